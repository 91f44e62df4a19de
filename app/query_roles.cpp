#include "app/query_roles.h"

#include "app/fill_role_table.h"
#include "http/web_access.h"
#include "match/codepage.h"

namespace zerulin {

void QueryRoles(RoleView& view, const Text& serviceHost) {
  WebAccessOptions formPost;
  formPost.method = 1;
  formPost.postText = ConcatText("qq=", view.ReadNumber());
  WebAccess(ConcatText("http://", serviceHost, "/index/ajax_lol.html"), formPost);

  const Bytes page = WebAccess(ConcatText("http://", serviceHost, "/", view.ReadNumber(), ".html"));
  FillRoleTable(view, Utf8ToGbk(page));
}

}  // namespace zerulin
