// In-memory dialogs for the page tests. A dialog is built from its template in
// the program's own resource script, so the tests see the real controls: their
// kinds, hidden and disabled states, digits-only edits and radio groups.
//
// Text the page sets is taken as it is. Text a test types goes through the
// same caps as a person's typing: the text limit and the digits-only style.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "controls.h"

namespace zz::win::test {

enum class Kind { edit, checkBox, radio, button, combo, label, group };

// One control of a template, as the resource script declares it.
struct ControlDef {
    int id = -1;
    Kind kind = Kind::label;
    std::string text;
    bool visible = true;
    bool disabled = false;
    bool group = false;  // WS_GROUP: starts a group
    bool digitsOnly = false;
    bool readOnly = false;
    bool multiLine = false;
};

struct DialogDef {
    int id = 0;
    int width = 0, height = 0;
    std::string caption;
    std::string font;
    int fontSize = 0;
    std::vector<ControlDef> controls;
};

// Reads the dialog templates of a resource script; resource names are
// resolved through the #defines of `headerText` (and the standard IDs).
std::map<int, DialogDef> parseResourceScript(const std::string& scriptText, const std::string& headerText);

// The templates of the program's own script (win/Zizavizerovo.rc).
const std::map<int, DialogDef>& programTemplates();

class MemDialog : public Controls {
public:
    explicit MemDialog(const DialogDef& def);

    // Where the dialog sends control notifications (the page's OnCommand).
    std::function<void(int id, int code)> notify;

    // ---- Controls ----
    bool exists(int id) const override;
    std::string text(int id) const override;
    void setText(int id, const std::string& text) override;
    bool checked(int id) const override;
    void setChecked(int id, bool checked) override;
    void clearItems(int id) override;
    int addItem(int id, const std::string& text) override;
    void setItemData(int id, int index, std::intptr_t data) override;
    std::intptr_t itemData(int id, int index) const override;
    int itemCount(int id) const override;
    int selection(int id) const override;
    void setSelection(int id, int index) override;
    bool enabled(int id) const override;
    void setEnabled(int id, bool enabled) override;
    bool visible(int id) const override;
    void setVisible(int id, bool visible) override;
    void setTextLimit(int id, std::size_t characters) override;
    void selectAll(int id) override;
    void clearSelection(int id) override;
    void scrollCaret(int id) override;
    void invalidate() override { ++invalidations; }

    // ---- What a person does ----
    // Focus moves to the edit, its text is selected and replaced by `typed`,
    // one character at a time, through the caps.
    void type(int id, const std::string& typed);
    // Focus moves to the control; a check box toggles, a radio button is
    // checked and its group mates unchecked; the page hears the click.
    void click(int id);
    // The user picks a list entry.
    void choose(int id, int index);
    // Focus moves to `id` (the previous edit hears that it lost it).
    void focus(int id);

    // Throws when the control is hidden or disabled, so a test cannot do what
    // a person could not.
    void requireUsable(int id) const;

    std::vector<std::string> items(int id) const;
    bool hasSelection(int id) const;  // an edit's selection is not empty
    std::size_t textLimit(int id) const;
    const ControlDef& def(int id) const;
    int invalidations = 0;

private:
    struct State {
        ControlDef def;
        std::string text;
        bool checked = false;
        bool enabled = true;
        bool visible = true;
        std::size_t limit = 0;
        bool selectionAll = false;
        std::vector<std::pair<std::string, std::intptr_t>> items;
        int selection = -1;
    };
    State& at(int id);
    const State& at(int id) const;
    void send(int id, int code)
    {
        if (notify)
            notify(id, code);
    }

    std::vector<State> controls_;  // in template order
    int focus_ = 0;
};

}  // namespace zz::win::test
