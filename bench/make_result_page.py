#!/usr/bin/env python3
"""Writes a result page of the role-lookup service with ROWS role rows, UTF-8, to OUT.

The same ROWS always give the same bytes (a fixed linear congruential sequence, no library
randomness), so the C++ pipeline and the Python reference read identical pages. A row takes
about 120 bytes: 10 000 rows make 1.2 MB, 100 000 rows 12 MB.

Usage: make_result_page.py ROWS OUT
"""
import sys

SYLLABLES = "风之旅人夜雨听禅小鱼干不加糖北境守望者星辰大海无敌剑圣战歌灵狐月光少年寒冰射手暗夜猎手青衫"
ASCII_NAMES = ["ShadowFox", "Faker2", "xiaoming", "LeeSin99", "Ezreal_x", "Tea"]
REGIONS = ["艾欧尼亚", "祖安", "诺克萨斯", "班德尔城", "皮尔特沃夫", "战争学院", "巨神峰",
           "雷瑟守备", "裁决之地", "黑色玫瑰", "暗影岛", "钢铁烈阳", "水晶之痕", "影流",
           "守望之海", "征服之海", "卡拉曼达", "比尔吉沃特", "德玛西亚", "弗雷尔卓德"]
TIERS = ["黑铁", "黄铜", "白银", "黄金", "铂金", "钻石", "大师", "宗师", "王者"]
DIVISIONS = ["I", "II", "III", "IV"]


class Sequence:
    """A fixed pseudo-random sequence (the classic C library constants)."""

    def __init__(self, seed):
        self.state = seed

    def below(self, bound):
        self.state = (self.state * 1103515245 + 12345) % 2**31
        return (self.state >> 8) % bound


def nickname(seq):
    if seq.below(8) == 0:
        return ASCII_NAMES[seq.below(len(ASCII_NAMES))]
    return "".join(SYLLABLES[seq.below(len(SYLLABLES))] for _ in range(2 + seq.below(3)))


def row(seq, number):
    td = "TD" if number % 16 == 15 else "td"  # some pages write their tags in capitals
    cells = [
        f"<{td}>{nickname(seq)}</{td}>",
        f'<{td} class="area">{REGIONS[seq.below(len(REGIONS))]}</{td}>',
        f"<{td}>{1 + seq.below(300)}</{td}>",
        f"<{td}>{TIERS[seq.below(len(TIERS))]} {DIVISIONS[seq.below(4)]}</{td}>",
        f"<{td}>{40 + seq.below(30)}%</{td}>",
        f"<{td}>12-{1 + seq.below(28):02}</{td}>",
    ]
    return "<tr>" + "\n".join(cells) + "</tr>\r\n"


def page(rows):
    seq = Sequence(20261211)
    head = ('<!DOCTYPE html>\n<html>\n<head><meta charset="utf-8">'
            "<title>LOL 全区角色查询</title></head>\n<body>\n<table class=\"roles\">\n"
            "<tr><th>玩家昵称</th><th>大区</th><th>等级</th><th>段位</th><th>胜率</th>"
            "<th>最近游戏</th></tr>\n")
    body = "".join(row(seq, n) for n in range(rows))
    return head + body + "</table>\n</body>\n</html>\n"


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[2], "wb") as out:
        out.write(page(int(sys.argv[1])).encode("utf-8"))


if __name__ == "__main__":
    main()
