// Commands and expectations for the data-safety scenarios: files in a chosen encoding or with
// exact bytes, symbolic links, and another copy of the program on the same folder.
#include "Scenario.h"
#include "platform/CodePage932.h"
#include "platform/TextUtil.h"

namespace scenario {

namespace {

// file PATH [cp932|utf8|utf8bom]: the block's lines, each ended by CR LF, in that encoding.
void File(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 2)) return;
    const std::string encoding = c.args.size() > 2 ? s.Arg(c, 2) : "cp932";
    if (encoding != "cp932" && encoding != "utf8" && encoding != "utf8bom")
        return s.Fail("unknown encoding " + Show(encoding));
    std::string bytes = encoding == "utf8bom" ? "\xEF\xBB\xBF" : "";
    for (const std::string& l : c.block) {
        const std::u16string line = s.BlockLine(l);
        bytes += (encoding == "cp932" ? zl::ToCp932(line) : zl::ToUtf8(line)) + "\r\n";
    }
    s.WriteFile(s.PathOf(s.Arg(c, 1)), bytes);
}

// hexfile PATH HEX: exactly these bytes; blanks between the pairs of hex digits are ignored.
void HexFile(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 2)) return;
    std::string digits;
    for (std::size_t i = 2; i < c.args.size(); ++i)
        for (char ch : c.args[i])
            if (ch != ' ' && ch != '\t') digits += ch;
    if (digits.size() % 2 != 0) return s.Fail("an odd number of hex digits");
    std::string bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const std::string pair = digits.substr(i, 2);
        if (pair.find_first_not_of("0123456789abcdefABCDEF") != pair.npos)
            return s.Fail("not a hex digit pair: " + Show(pair));
        bytes += static_cast<char>(std::stoi(pair, nullptr, 16));
    }
    s.WriteFile(s.PathOf(s.Arg(c, 1)), bytes);
}

// symlink PATH TARGET: PATH becomes a symbolic link to TARGET (both relative to the program
// folder unless absolute).
void Symlink(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 3)) return;
    const fs::path link = s.PathOf(s.Arg(c, 1));
    std::error_code ec;
    fs::create_directories(link.parent_path(), ec);
    fs::remove(link, ec);
    fs::create_symlink(s.PathOf(s.Arg(c, 2)), link, ec);
    if (ec) s.Fail("cannot make the link " + Show(s.Arg(c, 1)) + ": " + ec.message());
}

// otherprogram: another copy of the program runs on the same program folder and holds its lock.
void OtherProgram(Scenario& s, const Command&) {
    std::error_code ec;
    fs::create_directories(s.base_ / "data", ec);
    s.otherCopy_ = std::make_unique<zl::FlockFolderLock>();
    if (s.otherCopy_->TryLock(s.base_ / "data") != zl::LockResult::Taken)
        s.Fail("the other copy cannot take the lock");
}

// expect link PATH TARGET: PATH is still a symbolic link, and it leads to TARGET.
void ExpectLink(Scenario& s, const Command& c) {
    if (!s.NeedArgs(c, 4)) return;
    const fs::path link = s.PathOf(s.Arg(c, 2));
    std::error_code ec;
    if (!fs::is_symlink(link, ec)) return s.Expected("a link " + Show(s.Arg(c, 2)), "none");
    fs::path to = fs::read_symlink(link, ec);
    if (to.is_relative()) to = link.parent_path() / to;
    const fs::path want = s.PathOf(s.Arg(c, 3));
    if (to.lexically_normal() != want.lexically_normal())
        s.Expected("a link to " + Show(want.string()), Show(to.string()));
}

const Register commands(Commands(), {{"file", File},
                                     {"hexfile", HexFile},
                                     {"symlink", Symlink},
                                     {"otherprogram", OtherProgram}});
const Register expectations(Expectations(), {{"link", ExpectLink}});

}  // namespace

}  // namespace scenario
