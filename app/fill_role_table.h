// FillRoleTable: the role rows of a result page, written into a view.
#pragma once

#include "app/role_view.h"
#include "text/text.h"

namespace zerulin {

// The six-group row pattern: nickname, region (after a quoted attribute), level, rank tier and
// two more cells of one table row.
inline constexpr char kRolePattern[] =
    R"re(<td>(.*?)</td>[\s|\S]*?">(.*?)</td>[\s|\S]*?<td>(.*?)</td>[\s|\S]*?<td>(.*?)</td>)re"
    R"re([\s|\S]*?<td>(.*?)</td>[\s|\S]*?<td>(.*?)</td>)re";

// "正则创建失败，请检查正则表达式语句是否有误！" in code page 936.
inline constexpr char kPatternFailedMessage[] =
    "\xD5\xFD\xD4\xF2\xB4\xB4\xBD\xA8\xCA\xA7\xB0\xDC\xA3\xAC\xC7\xEB\xBC\xEC\xB2\xE9\xD5\xFD"
    "\xD4\xF2\xB1\xED\xB4\xEF\xCA\xBD\xD3\xEF\xBE\xE4\xCA\xC7\xB7\xF1\xD3\xD0\xCE\xF3\xA3\xA1";

// "匹配失败，QQ 查全区没有查到！数量：0" in code page 936; the 0 is part of the text.
inline constexpr char kNoMatchMessage[] =
    "\xC6\xA5\xC5\xE4\xCA\xA7\xB0\xDC\xA3\xAC"
    "QQ \xB2\xE9\xC8\xAB\xC7\xF8\xC3\xBB\xD3\xD0\xB2\xE9\xB5\xBD\xA3\xA1\xCA\xFD\xC1\xBF\xA3\xBA"
    "0";

// Clears the view and writes one row per match of kRolePattern in `page` (code page 936):
// column 0 the match number from 1, columns 1 to 4 groups 1 to 4. Returns the row count.
// When the pattern cannot be run or finds nothing, shows the matching message instead, leaves
// the rows as they were and returns 0. Fills on several threads take turns, so each writes its
// rows whole and the list ends with the rows of one page.
int FillRoleTable(RoleView& view, const Text& page);

}  // namespace zerulin
