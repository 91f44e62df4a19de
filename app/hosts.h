// The two hosts the program talks to, fixed when it is built.
#pragma once

namespace zerulin {

// Role-lookup service (host[:port]) that both requests of a query go to.
inline constexpr char kRoleHost[] = ZERULIN_ROLE_HOST;

// The maker's forum: it ends the window caption and hosts the forum thread.
inline constexpr char kForumHost[] = ZERULIN_FORUM_HOST;

}  // namespace zerulin
