// QueryRoles: one role query from the number box to the filled list.
#pragma once

#include "app/role_view.h"
#include "text/text.h"

namespace zerulin {

// Posts "qq=" + the number to http://<serviceHost>/index/ajax_lol.html, reads the number box
// again (it may have changed meanwhile), fetches http://<serviceHost>/<number>.html and fills
// `view` from the page. The number goes out as typed. The post's cookies reach the page
// request through the process-wide cookie store.
void QueryRoles(RoleView& view, const Text& serviceHost);

}  // namespace zerulin
