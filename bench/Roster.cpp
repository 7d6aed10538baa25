// The generated roster of the benchmark.
#include <random>

#include "Bench.h"
#include "platform/TextUtil.h"
#include "roster/RosterLine.h"

namespace bench {

using namespace zl;

namespace {

struct Person {
    std::u16string_view kanji, kana;
};

constexpr Person kFamilies[] = {
    {u"佐藤", u"さとう"},   {u"鈴木", u"すずき"},   {u"高橋", u"たかはし"},
    {u"田中", u"たなか"},   {u"伊藤", u"いとう"},   {u"渡辺", u"わたなべ"},
    {u"山本", u"やまもと"}, {u"中村", u"なかむら"}, {u"小林", u"こばやし"},
    {u"加藤", u"かとう"},   {u"吉田", u"よしだ"},   {u"山田", u"やまだ"},
    {u"佐々木", u"ささき"}, {u"山口", u"やまぐち"}, {u"松本", u"まつもと"},
    {u"井上", u"いのうえ"}, {u"木村", u"きむら"},   {u"林", u"はやし"},
    {u"斎藤", u"さいとう"}, {u"清水", u"しみず"},   {u"山崎", u"やまざき"},
    {u"森", u"もり"},       {u"池田", u"いけだ"},   {u"橋本", u"はしもと"},
    {u"阿部", u"あべ"},     {u"石川", u"いしかわ"}, {u"長谷川", u"はせがわ"},
    {u"近藤", u"こんどう"}, {u"岡田", u"おかだ"},   {u"後藤", u"ごとう"},
};
constexpr Person kGiven[] = {
    {u"太郎", u"たろう"},   {u"花子", u"はなこ"}, {u"一郎", u"いちろう"}, {u"美咲", u"みさき"},
    {u"健太", u"けんた"},   {u"陽菜", u"ひな"},   {u"大輔", u"だいすけ"}, {u"さくら", u"さくら"},
    {u"翔太", u"しょうた"}, {u"結衣", u"ゆい"},   {u"拓也", u"たくや"},   {u"由美子", u"ゆみこ"},
    {u"誠", u"まこと"},     {u"恵子", u"けいこ"}, {u"浩二", u"こうじ"},   {u"直樹", u"なおき"},
    {u"明美", u"あけみ"},   {u"和夫", u"かずお"}, {u"優子", u"ゆうこ"},   {u"修", u"おさむ"},
};
constexpr std::u16string_view kTowns[] = {
    u"東京都千代田区丸の内",     u"東京都世田谷区桜新町",     u"神奈川県横浜市中区山下町",
    u"大阪府大阪市北区梅田",     u"愛知県名古屋市中村区名駅", u"福岡県福岡市博多区博多駅前",
    u"北海道札幌市中央区大通西", u"京都府京都市左京区下鴨",   u"埼玉県さいたま市浦和区高砂",
    u"千葉県千葉市美浜区幸町",
};
constexpr std::u16string_view kDigits[] = {u"一", u"二", u"三", u"四", u"五",
                                           u"六", u"七", u"八", u"九"};

std::u16string Num(std::mt19937& rng, int lo, int hi) {
    return ToU16(std::uniform_int_distribution<int>(lo, hi)(rng));
}

}  // namespace

std::vector<std::u16string> MakeRoster(int count) {
    std::mt19937 rng(20240501);
    auto pick = [&rng](auto& table) -> decltype(auto) {
        return table[std::uniform_int_distribution<std::size_t>(0, std::size(table) - 1)(rng)];
    };
    std::vector<std::u16string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const Person& f = pick(kFamilies);
        const Person& g = pick(kGiven);
        EntryValues v;
        v.name = std::u16string(f.kanji) + u"　" + std::u16string(g.kanji);
        v.kana = std::u16string(f.kana) + u"　" + std::u16string(g.kana);
        v.postalCode = Num(rng, 100, 999) + u"-" +
                       ZeroPad(std::uniform_int_distribution<int>(0, 9999)(rng), 4);
        v.address = std::u16string(pick(kTowns)) + std::u16string(pick(kDigits)) + u"丁目" +
                    Num(rng, 1, 30) + u"番地" + Num(rng, 1, 20) + u"号";
        if (i % 7 == 0) v.address += u" コーポ" + Num(rng, 101, 505) + u"号室";
        v.phone = u"0" + Num(rng, 3, 99) + u"-" + Num(rng, 100, 9999) + u"-" + Num(rng, 1000, 9999);
        if (i % 3 == 0) v.mailOrUrl = u"user" + ToU16(i) + u"@example.jp";
        const int year = std::uniform_int_distribution<int>(1930, 2005)(rng);
        const int month = std::uniform_int_distribution<int>(1, 12)(rng);
        const int day = std::uniform_int_distribution<int>(1, 28)(rng);
        v.birthText = u"S" + ToU16(year - 1925) + u"." + ToU16(month) + u"." + ToU16(day);
        v.birthDate = DateTime{year, month, day, 0, 0, 0};
        v.noFlyer = i % 5 == 0;
        v.expectation = i % 4 == 0 ? u"○" : i % 4 == 1 ? u"△" : u"不明";
        v.votes = Num(rng, 1, 4);
        v.remark1 = i % 2 == 0 ? u"後援会" : u"";
        v.remark3 = u"2024/04/01 09:00:00[追加]　";
        if (i % 6 == 0) v.joint1 = std::u16string(pick(kGiven).kanji);
        const std::u16string registered = u"2024/04/" + ZeroPad(1 + i % 28, 2) + u" " +
                                          ZeroPad(i % 24, 2) + u":" + ZeroPad(i % 60, 2) + u":00";
        lines.push_back(BuildLine(ZeroPad((i + 1) % 10000, 4), v, registered, nullptr));
    }
    return lines;
}

}  // namespace bench
