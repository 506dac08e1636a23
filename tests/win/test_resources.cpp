// The resource script, manifest and icon as the program ships them.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <set>
#include <sstream>

#include "harness.h"
#include "memdialog.h"
#include "resource.h"

using namespace zz;
using namespace zz::win;
using namespace zz::win::test;

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

const ControlDef* find(const DialogDef& def, int id)
{
    for (const ControlDef& c : def.controls)
        if (c.id == id)
            return &c;
    return nullptr;
}

// The radio buttons that a click on `id` unchecks: its WS_GROUP run.
std::set<int> radioGroupOf(const DialogDef& def, int id)
{
    size_t index = 0;
    while (def.controls[index].id != id)
        ++index;
    size_t first = index;
    while (first > 0 && !def.controls[first].group)
        --first;
    std::set<int> group;
    for (size_t i = first; i < def.controls.size(); ++i) {
        if (i != first && def.controls[i].group)
            break;
        if (def.controls[i].kind == Kind::radio)
            group.insert(def.controls[i].id);
    }
    return group;
}

}  // namespace

TEST(Resources, TemplatesHaveTheirSizeFontAndCaption)
{
    const auto& t = programTemplates();
    struct Expected {
        int id, width, height;
        const char* caption;
    };
    for (Expected e : {Expected{IDD_PROJECTPAGE, 587, 262, "Zezure Project Creator"},
                       Expected{IDD_CONTROLCODERPAGE, 587, 262, "GUI Code Creator"},
                       Expected{IDD_SUCCESSDLG, 133, 65, "Success"}}) {
        SCOPED_TRACE(e.id);
        const DialogDef& def = t.at(e.id);
        EXPECT_EQ(def.width, e.width);
        EXPECT_EQ(def.height, e.height);
        EXPECT_EQ(def.caption, e.caption);
        EXPECT_EQ(def.font, "MS Shell Dlg");
        EXPECT_EQ(def.fontSize, 8);
    }
}

TEST(Resources, EveryControlHasItsKindTextAndStyle)
{
    const auto& t = programTemplates();
    struct Row {
        int dialog, id;
        Kind kind;
        const char* text;  // nullptr: not checked
        bool visible = true;
        bool digitsOnly = false;
    };
    const Row rows[] = {
        {IDD_PROJECTPAGE, IDC_HINT_PROJECT_NAME, Kind::label, "Must be a valid CMake Folder name"},
        {IDD_PROJECTPAGE, IDC_HINT_PLUGIN_CODE, Kind::label, "Must be exactly 4 characters and unique."},
        {IDD_PROJECTPAGE, IDC_HINT_COMPANY_CODE, Kind::label, "Must be exactly 4 characters"},
        {IDD_PROJECTPAGE, IDC_HINT_AAX_PLUGIN_NAME, Kind::label, "Limited to 31 characters"},
        {IDD_PROJECTPAGE, IDC_HINT_AAX_SHORT_NAME, Kind::label, "Limited to 15 characters"},
        {IDD_PROJECTPAGE, IDC_SMOOTHING_TIME, Kind::edit, nullptr, true, true},
        {IDD_PROJECTPAGE, IDC_LATENCY, Kind::edit, nullptr, true, true},
        {IDD_PROJECTPAGE, IDC_TAIL_TIME, Kind::edit, nullptr, true, true},
        {IDD_PROJECTPAGE, IDC_SAA_GRANULARITY, Kind::edit, nullptr, true, true},
        {IDD_PROJECTPAGE, IDC_BLOCK_SIZE, Kind::edit, nullptr, true, true},
        {IDD_PROJECTPAGE, IDC_ENABLE_SAA, Kind::checkBox, "Sample Accurate Parameter Automation (VST)"},
        {IDD_PROJECTPAGE, IDOK, Kind::button, "Exit", false},
        {IDD_PROJECTPAGE, IDC_INCLUDE_FX_OBJECTS, Kind::checkBox, "Include FX Objects C++ Files", false},
        {IDD_PROJECTPAGE, IDC_AUVAL_LINE, Kind::edit, nullptr, false},
        {IDD_PROJECTPAGE, IDC_TEMPLATE_SOURCE_GROUP, Kind::group, "Template Source", false},
        {IDD_PROJECTPAGE, IDC_TEMPLATE_SECURE, Kind::radio, "Secure (recommended)", false},
        {IDD_PROJECTPAGE, IDC_TEMPLATE_CUSTOM, Kind::radio, "PluginTemplate (custom)", false},
        {IDD_PROJECTPAGE, IDC_RESTORE_TEMPLATE, Kind::button, "Restore Template", false},
        {IDD_CONTROLCODERPAGE, IDC_LBL_CONTROL_ID, Kind::label, " Control ID:"},
        {IDD_CONTROLCODERPAGE, IDC_LBL_DISPLAY_PRECISION, Kind::label, "Display Precsion:"},
        {IDD_CONTROLCODERPAGE, IDC_DISPLAY_PRECISION, Kind::edit, nullptr, true, true},
        {IDD_CONTROLCODERPAGE, IDC_MULTI_DEFAULT_INDEX, Kind::edit, nullptr, true, true},
        {IDD_CONTROLCODERPAGE, IDC_LBL_RELEASE_TIME, Kind::label, "Release( mSec):"},
        {IDD_CONTROLCODERPAGE, IDC_LBL_CONTROL_DATA_TYPE, Kind::label, "Interpret as: "},
        {IDD_CONTROLCODERPAGE, IDOK, Kind::button, "OK", false},
        {IDD_CONTROLCODERPAGE, IDCANCEL, Kind::button, "Cancel", false},
        {IDD_CONTROLCODERPAGE, IDC_CONTROL_TYPE_LIST, Kind::combo, nullptr, false},
        {IDD_CONTROLCODERPAGE, IDC_LBL_CONTROL_TYPE_LIST, Kind::label, "Control Type:", false},
        {IDD_CONTROLCODERPAGE, IDC_TYPE_NON_BOUND, Kind::radio, "Non-Bound Control", false},
        {IDD_SUCCESSDLG, IDC_SAVE_DIAGNOSTICS, Kind::checkBox, "Save Diagnostics File", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.dialog) + "/" + std::to_string(row.id));
        const ControlDef* c = find(t.at(row.dialog), row.id);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->kind, row.kind);
        if (row.text) {
            EXPECT_EQ(c->text, row.text);
        }
        EXPECT_EQ(c->visible, row.visible);
        EXPECT_EQ(c->digitsOnly, row.digitsOnly);
    }
    EXPECT_TRUE(find(t.at(IDD_PROJECTPAGE), IDC_INCLUDE_FX_OBJECTS)->disabled);
    EXPECT_TRUE(find(t.at(IDD_PROJECTPAGE), IDC_PROJECT_FOLDER)->readOnly);
    EXPECT_TRUE(find(t.at(IDD_PROJECTPAGE), IDC_AUVAL_LINE)->readOnly);
    EXPECT_TRUE(find(t.at(IDD_CONTROLCODERPAGE), IDC_COMMENTS)->multiLine);
}

// The edits follow the field tables: an edit is digits only exactly when the
// field it shows admits digits only, and its text limit is the field's length.
TEST(Resources, EditsTakeWhatTheirFieldsAdmit)
{
    using numtext::TextFilter;
    auto digitsOnly = [](TextFilter f) { return f == TextFilter::windowsDigits || f == TextFilter::windowsDecimal; };
    struct Bound {
        bool digitsOnly;
        size_t maxLength;
    };
    std::map<int, Bound> project, coder;
    for (const FieldControl& row : ProjectPage::fieldControls())
        project[row.id] = {digitsOnly(row.field->windowsFilter), row.field->maxLength};
    for (const CoderFieldControl& row : ControlCoderPage::fieldControls())
        coder[row.id] = {digitsOnly(row.field->windowsFilter), 0};

    TempFolder root;
    SheetRun run(root.str(), root.str());
    run.open();
    run.selectTab(1);
    const struct {
        int dialog;
        const std::map<int, Bound>& bound;
        MemDialog& form;
    } pages[] = {{IDD_PROJECTPAGE, project, run.projectForm()}, {IDD_CONTROLCODERPAGE, coder, run.coderForm()}};
    for (const auto& page : pages) {
        int digitEdits = 0;
        for (const ControlDef& c : programTemplates().at(page.dialog).controls) {
            if (c.kind != Kind::edit)
                continue;
            SCOPED_TRACE(std::to_string(page.dialog) + "/" + std::to_string(c.id));
            const auto found = page.bound.find(c.id);
            const Bound bound = found == page.bound.end() ? Bound{false, 0} : found->second;
            EXPECT_EQ(c.digitsOnly, bound.digitsOnly);
            EXPECT_EQ(page.form.textLimit(c.id), bound.maxLength);
            digitEdits += c.digitsOnly;
        }
        EXPECT_EQ(digitEdits, page.dialog == IDD_PROJECTPAGE ? 5 : 2);
    }
}

TEST(Resources, ControlIdsAreUniqueWithinEachTemplate)
{
    for (const auto& [id, def] : programTemplates()) {
        std::set<int> seen;
        for (const ControlDef& c : def.controls) {
            if (c.id == -1)
                continue;
            EXPECT_TRUE(seen.insert(c.id).second) << "template " << id << " repeats " << c.id;
        }
    }
}

TEST(Resources, RadioButtonsFormExactlyTheExclusiveSets)
{
    const auto& t = programTemplates();
    struct Set {
        int dialog;
        std::set<int> ids;
    };
    const Set sets[] = {
        {IDD_PROJECTPAGE, {IDC_PROCESS_FRAMES, IDC_PROCESS_BUFFERS, IDC_PROCESS_BLOCKS}},
        {IDD_PROJECTPAGE, {IDC_INDIVIDUAL_API, IDC_UNIVERSAL_API}},
        {IDD_PROJECTPAGE, {IDC_INDIVIDUAL_AAX, IDC_INDIVIDUAL_AU, IDC_INDIVIDUAL_VST}},
        {IDD_PROJECTPAGE, {IDC_TEMPLATE_SECURE, IDC_TEMPLATE_CUSTOM}},
        {IDD_CONTROLCODERPAGE, {IDC_TYPE_CONTINUOUS, IDC_TYPE_ONOFF, IDC_TYPE_MULTI, IDC_TYPE_METER}},
        {IDD_CONTROLCODERPAGE, {IDC_DEFAULT_OFF, IDC_DEFAULT_ON}},
        {IDD_CONTROLCODERPAGE, {IDC_TYPE_NON_BOUND}},
    };
    for (const Set& s : sets)
        for (int id : s.ids)
            EXPECT_EQ(radioGroupOf(t.at(s.dialog), id), s.ids) << "radio " << id;
}

TEST(Resources, ManifestAsksForCommonControls6WithoutElevationAndIsDpiAware)
{
    const std::string manifest = readFile(ZZ_SOURCE_DIR "/win/Zizavizerovo.manifest");
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
    EXPECT_NE(readFile(ZZ_SOURCE_DIR "/win/Zizavizerovo.rc").find("1 24 \"Zizavizerovo.manifest\""),
              std::string::npos);
}

TEST(Resources, IconHoldsEightSquare32BitImages)
{
    const std::string ico = readFile(ZZ_SOURCE_DIR "/win/res/Zizavizerovo.ico");
    auto u16 = [&](size_t at) { return static_cast<unsigned>(static_cast<uint8_t>(ico.at(at)) |
                                                             static_cast<uint8_t>(ico.at(at + 1)) << 8); };
    auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(u16(0), 0u);
    EXPECT_EQ(u16(2), 1u);  // icon
    ASSERT_EQ(u16(4), 8u);
    std::set<unsigned> sizes;
    for (size_t i = 0; i < 8; ++i) {
        const size_t entry = 6 + 16 * i;
        unsigned width = static_cast<uint8_t>(ico.at(entry)), height = static_cast<uint8_t>(ico.at(entry + 1));
        width = width ? width : 256;
        height = height ? height : 256;
        EXPECT_EQ(width, height);
        sizes.insert(width);
        const size_t offset = u32(entry + 12);
        ASSERT_LT(offset + 32, ico.size());
        if (ico.compare(offset, 4, "\x89PNG") == 0) {
            EXPECT_EQ(static_cast<uint8_t>(ico.at(offset + 25)), 6) << "PNG image of " << width << " has alpha";
        } else {
            EXPECT_EQ(u16(offset + 14), 32u) << "bitmap image of " << width << " is 32-bit";
        }
    }
    EXPECT_EQ(sizes, (std::set<unsigned>{16, 24, 32, 48, 64, 96, 128, 256}));
}
