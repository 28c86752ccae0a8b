#include "IncludeRules.h"

#include <QTemporaryDir>

#include <fstream>
#include <ostream>

#include <gtest/gtest.h>

namespace {

struct IncludeCase {
    const char* file;
    const char* header;
    const char* complaint; // a part of the reason, or null when allowed
};

void PrintTo(const IncludeCase& c, std::ostream* os) {
    *os << c.file << " includes " << c.header;
}

class QuotedInclude : public testing::TestWithParam<IncludeCase> {};

TEST_P(QuotedInclude, FollowsTheLayerOrder) {
    const IncludeCase& c = GetParam();
    const auto why = IncludeRules::quotedViolation(c.file, c.header);
    if (!c.complaint) {
        EXPECT_FALSE(why) << *why;
        return;
    }
    ASSERT_TRUE(why) << c.file << " -> " << c.header;
    EXPECT_NE(why->find(c.complaint), std::string::npos) << *why;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, QuotedInclude,
    testing::Values(
        IncludeCase{"editor/MStates.cpp", "texts/Messages.h", nullptr},
        IncludeCase{"editor/MStates.cpp", "editor/MStates.h", nullptr},
        IncludeCase{"document/ImageFile.cpp", "app/Messages.h",
                    "document (model) includes app: app is above document"},
        IncludeCase{"printer/miprinters.cpp", "document/wareHouse.h", "document is above printer"},
        IncludeCase{"texts/Messages.cpp", "document/ItemTypeNames.h", "document is above texts"},
        IncludeCase{"editor/ImageEditor.cpp", "editor/ui/EditingSurface.h",
                    "editor (model) includes editor (ui): model code never includes widget"},
        IncludeCase{"document/ImageFile.cpp", "widgets/RadioGroup.h",
                    "model code never includes widget code"},
        IncludeCase{"printer/ui/SelectPrint.h", "widgets/RadioGroupDialog.h", nullptr},
        IncludeCase{"printer/ui/SelectPrint.cpp", "printer/miprinters.h", nullptr},
        IncludeCase{"editor/ui/PropertyForms.cpp", "items/ui/TextItemForm.h", nullptr},
        IncludeCase{"items/ui/TextItemForm.cpp", "editor/ui/PropertyForms.h",
                    "editor is above items"},
        IncludeCase{"items/ui/TextItemForm.cpp", "editor/EditorEnvironment.h",
                    "editor is above items"},
        IncludeCase{"widgets/LengthEdit.h", "document/wareHouse.h", nullptr},
        IncludeCase{"widgets/DialogSupport.cpp", "platform/ui/WindowPlacement.h", nullptr},
        IncludeCase{"widgets/Ruler.cpp", "editor/EditorEnvironment.h", "editor is above widgets"},
        IncludeCase{"widgets/Ruler.cpp", "app/ui/MainForm.h",
                    "widgets includes app (ui): app is above widgets"},
        IncludeCase{"app/ui/MainForm.cpp", "editor/ui/EditingSurface.h", nullptr},
        IncludeCase{"app/main.cpp", "cli/CliSession.h", "nothing includes the command line"},
        IncludeCase{"cli/CliSession.cpp", "app/MainSettings.h", nullptr},
        IncludeCase{"cli/CliSession.cpp", "app/ui/MainForm.h",
                    "cli includes app (ui): model code never includes widget code"},
        IncludeCase{"cli/CliSession.cpp", "widgets/RadioGroup.h",
                    "model code never includes widget code"},
        // Headers outside the layers (generated ones, the tests' own) are not judged.
        IncludeCase{"editor/MStates.cpp", "ui_Generated.h", nullptr}));

class SystemInclude : public testing::Test {
protected:
    SystemInclude() {
        widgets = std::filesystem::path(dir.path().toStdString()) / "QtWidgets";
        std::filesystem::create_directories(widgets);
        std::ofstream(widgets / "QDialog") << "";
    }
    QTemporaryDir dir;
    std::filesystem::path widgets;
};

TEST_F(SystemInclude, ModelCodeNamesNoWidgetModuleHeader) {
    using IncludeRules::systemViolation;
    const auto plain = systemViolation("document/ImageFile.cpp", "QDialog", {widgets});
    ASSERT_TRUE(plain);
    EXPECT_NE(plain->find("document (model) includes <QDialog> of QtWidgets"), std::string::npos)
        << *plain;
    EXPECT_TRUE(systemViolation("comms/SerialLink.cpp", "QtWidgets/QDialog", {widgets}));
    EXPECT_FALSE(systemViolation("document/ImageFile.cpp", "QImage", {widgets}));
    EXPECT_FALSE(systemViolation("document/ui/NamesFmUnit.cpp", "QDialog", {widgets}));
    EXPECT_FALSE(systemViolation("app/main.cpp", "QDialog", {widgets}));
    EXPECT_TRUE(systemViolation("cli/main.cpp", "QDialog", {widgets}));
}

TEST_F(SystemInclude, TheCheckNamesFileLineAndBothLayers) {
    const std::filesystem::path src = std::filesystem::path(dir.path().toStdString()) / "src";
    std::filesystem::create_directories(src / "printer");
    std::ofstream(src / "printer" / "Fonts.cpp")
        << "#include \"printer/Fonts.h\"\n\n#include \"editor/MStates.h\"\n#include <QDialog>\n";
    std::ofstream(src / "printer" / "Fonts.h") << "#pragma once\n";
    const auto findings = IncludeRules::check(src, {widgets});
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].file, "src/printer/Fonts.cpp");
    EXPECT_EQ(findings[0].line, 3);
    EXPECT_EQ(findings[0].why, "printer (model) includes editor (model): editor is above printer "
                               "in the layer order (\"editor/MStates.h\")");
    EXPECT_EQ(findings[1].line, 4);
}

} // namespace
