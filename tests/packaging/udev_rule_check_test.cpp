#include "installed_tree.h"
#include "udev_rule_check.h"

#include <gtest/gtest.h>

namespace {

struct RuleCase {
    const char* rules;
    QStringList faults;
};

TEST(UdevRuleFaults, FindsWhatUdevWouldRefuse)
{
    const RuleCase cases[] = {
        {"# a comment\n\nSUBSYSTEM==\"tty\", ATTRS{idVendor}==\"067b\", TAG+=\"uaccess\"\n", {}},
        {"ACTION==\"remove\", GOTO=\"end\"\nKERNEL==\"ttyUSB*\", \\\n  MODE=\"0660\"\nLABEL=\"end\"\n", {}},
        {"SUBSYSTEM==\"tty\" TAG+=\"uaccess\"\n", {"line 1: not KEY OP \"VALUE\": SUBSYSTEM==\"tty\" TAG+=\"uaccess\""}},
        {"SUBSYSTEM==tty, TAG+=\"uaccess\"\n", {"line 1: not KEY OP \"VALUE\": SUBSYSTEM==tty, TAG+=\"uaccess\""}},
        {"ATTRS{idVendor}==\"067b\", TAG+=\"uaccess\",\n", {"line 1: ends in a comma"}},
        {"VENDOR==\"067b\"\n", {"line 1: unknown key VENDOR"}},
        {"SUBSYSTEM=\"tty\"\n", {"line 1: SUBSYSTEM cannot be assigned"}},
        {"MODE==\"0660\"\n", {"line 1: MODE cannot be matched"}},
        {"ENV=\"1\"\n", {"line 1: ENV needs an {attribute}"}},
        {"TAG{x}+=\"uaccess\"\n", {"line 1: TAG takes no {attribute}"}},
        {"\nGOTO=\"end\"\nLABEL=\"other\"\n", {"line 2: GOTO \"end\" has no LABEL after it"}},
        {"LABEL=\"end\"\nGOTO=\"end\"\n", {"line 2: GOTO \"end\" has no LABEL after it"}},
    };
    for (const RuleCase& test : cases)
        EXPECT_EQ(UdevRuleFaults(QLatin1String(test.rules)), test.faults) << test.rules;
}

} // namespace
