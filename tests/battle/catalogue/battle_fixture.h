#pragma once

#include "battle/catalogue/cls_lines.h"

#include <string>
#include <vector>

namespace battletest {

// The cells of a grid row, from column 0.
using Cells = std::vector<std::string>;
inline Cells cellsOf(const clsGetGridData& row) {
    Cells cells;
    for (std::int16_t i = 0; i <= row.Cols(); ++i)
        cells.push_back(row.Data(i));
    return cells;
}

// A small battle master data, half-width as the catalogue receives it.
inline const std::string kSkills = "ﾂﾊﾞﾒ返し,45,3,70,5,2,7,False,0.9,0.25,8,False,True,十文字切り\r\n"
                                   "連撃,25,3,80,5,4,0,True,0.7,0,0,False,True,\r\n"
                                   "鉄壁,30,1,100,0,5,0,0,0,0,0,-1,1,\r\n"
                                   "かみつき,15,1,85,5,2,0,False,1.3,0,0,False,True,牙\r\n"
                                   "粘液,15,1,85,0,2,0,False,0.5,0,128,False,True,粘液";
inline const std::string kLines = "突破陣,攻撃,剣士,2,4,0,45,15\r\n"
                                  "ｶﾀｶﾅ陣,防御,槍兵,0,2,0,38,16.5\r\n"
                                  "無陣,奇襲,弓兵,0,0,0,50,12";
inline const std::string kLineSkills = "突破陣,連撃\r\n"
                                       "突破陣,ﾂﾊﾞﾒ返し\r\n"
                                       "ｶﾀｶﾅ陣,鉄壁";
// The first formation's positions come out of order.
inline const std::string kLineDatas = "突破陣,3,4,4,剣士,1,1.4,0.8\r\n"
                                      "突破陣,1,5,3,剣士,1.3,0.5,2\r\n"
                                      "突破陣,5,2,3,弓兵,0.8,1.3,0.6\r\n"
                                      "突破陣,2,4,2,剣士,1,1.4,0.8\r\n"
                                      "突破陣,4,3,3,槍兵,1,1.3,0.8\r\n"
                                      "ｶﾀｶﾅ陣,1,3,3,槍兵,1,1,1\r\n"
                                      "ｶﾀｶﾅ陣,2,4,3,槍兵,1,1,1\r\n"
                                      "ｶﾀｶﾅ陣,3,2,3,槍兵,1,1,1\r\n"
                                      "ｶﾀｶﾅ陣,4,3,2,弓兵,1,1,1\r\n"
                                      "ｶﾀｶﾅ陣,5,3,4,弓兵,1,1,1\r\n"
                                      "無陣,1,5,1,弓兵,1,1,1\r\n"
                                      "無陣,2,4,2,弓兵,1,1,1\r\n"
                                      "無陣,3,3,3,弓兵,1,1,1\r\n"
                                      "無陣,4,2,4,弓兵,1,1,1\r\n"
                                      "無陣,5,1,5,弓兵,1,1,1";
// The school's formation is widened on loading; the formation keeps its half-width name.
inline const std::string kSchools = "ﾊｰｾﾞﾙ村塾,0,ｶﾀｶﾅ陣,3\r\n"
                                    "ﾉﾙﾃﾞ道場,1,突破陣,5";
inline const std::string kMonsters = "ｽﾗｲﾑ,防御,魔法生物,234,42,38,32,14,ｾﾞﾘｰ,ｺｱ,2,28,1\r\n"
                                     "ﾋﾟｸｼｰ,奇襲,妖精,192,66,35,51,15.5,花,羽,4,21,2\r\n"
                                     "ｺﾞﾌﾞﾘﾝ,攻撃,亜人,200,50,30,40,14,棍棒,金貨,1,15,3";
inline const std::string kMonsterSkills = "ｽﾗｲﾑ,かみつき\r\n"
                                          "ｽﾗｲﾑ,粘液";
// Rank 0 June comes twice; the first row counts.
inline const std::string kRegulations = "0,1,1,False,True,True,50\r\n"
                                        "0,2,4,True,False,False,30\r\n"
                                        "0,3,0,-1,True,False,20\r\n"
                                        "0,1,3,True,False,False,10";
// Rank 1 has two prize rows; the list shows the first.
inline const std::string kPrizes = "0,3,500\r\n"
                                   "1,5,1000\r\n"
                                   "1,6,2000";

// The catalogue loaded from the sections above, in the facade's order.
inline void loadFixture(clsLines& lines) {
    lines.SetSkillData(kSkills);
    lines.SetLines(kLines);
    lines.SetLineSkills(kLineSkills);
    lines.SetLineDatas(kLineDatas);
    lines.SetSchool(kSchools);
    lines.SetMonster(kMonsters);
    lines.SetMonsterSkill(kMonsterSkills);
    lines.SetRegulation(kRegulations);
    lines.SetPrize(kPrizes);
}

} // namespace battletest
