#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "outlets.h"

// The two pages' controls and platform, in memory. Typing goes through the
// attached filters as in a real text field; what a page sets itself does not.
namespace zz::mac::testing {

class MemoryOutlets : public Outlets {
public:
    struct Control {
        std::string text;
        bool on = false;
        bool enabled = true;
        int selected = -1;
        std::vector<std::string> items;
        std::shared_ptr<const FormatterRule> formatter;
    };

    // Outlets.
    std::string text(Outlet outlet) const override { return at(outlet).text; }
    void setText(Outlet outlet, const std::string& text) override { at(outlet).text = text; }
    bool isOn(Outlet outlet) const override { return at(outlet).on; }
    void setOn(Outlet outlet, bool on) override { at(outlet).on = on; }
    bool isEnabled(Outlet outlet) const override { return at(outlet).enabled; }
    void setEnabled(Outlet outlet, bool enabled) override { at(outlet).enabled = enabled; }
    int selectedIndex(Outlet outlet) const override { return at(outlet).selected; }
    void selectIndex(Outlet outlet, int index) override;
    void addItems(Outlet outlet, const std::vector<std::string>& items) override;
    void attachFormatter(Outlet outlet, std::shared_ptr<const FormatterRule> rule) override;
    void makeFirstResponder(Outlet outlet) override { firstResponder = outlet; }

    // What a person does.
    // Replaces the whole text of a field by an edit; answers whether the
    // field took it (a refused edit leaves the text as it was). A pop-up
    // button takes no typing.
    bool type(Outlet field, const std::string& proposed);
    // Types a character at the end of a field's text.
    bool typeAtEnd(Outlet field, const std::string& characters);
    // Chooses the item of a pop-up button with that title; answers whether
    // it has one.
    bool choose(Outlet list, const std::string& item);
    // A click on a radio button turns its siblings off; a click on a check
    // box toggles it.
    void click(Outlet button);

    Control& at(Outlet outlet) { return controls_[static_cast<size_t>(outlet)]; }
    const Control& at(Outlet outlet) const { return controls_[static_cast<size_t>(outlet)]; }

    std::optional<Outlet> firstResponder;

private:
    std::vector<Control> controls_ = std::vector<Control>(static_cast<size_t>(kOutletCount));
};

class MemoryServices : public Services {
public:
    int runModalAlert(const Alert& alert) override;
    void beginSheetAlert(const Alert& alert, std::function<void(int)> done) override;
    void writePasteboard(const std::vector<std::string>& pieces) override;
    std::optional<std::string> chooseFolder() override;
    void log(const std::string& line) override { logLines.push_back(line); }
    void exitProcess(int status) override { exitStatus = status; }
    std::string bundlePath() const override { return bundle; }
    std::string resourcePath(const std::string& name) const override;
    std::string applicationSupportFolder() const override { return applicationSupport; }

    // Ends the pending sheet with an answer (1000 = first button).
    void endSheet(int returnCode);

    std::vector<Alert> alerts;
    std::deque<int> answers;  // for modal alerts; 1000 when empty
    std::optional<Alert> sheet;
    std::vector<std::string> pasteboard{"(earlier contents)"};
    int pasteboardWrites = 0;
    std::optional<std::string> folderToChoose;  // nothing: the panel is cancelled
    std::vector<std::string> logLines;
    std::optional<int> exitStatus;
    std::string bundle;
    std::string applicationSupport;
    std::map<std::string, std::string> resources;

private:
    std::function<void(int)> sheetDone_;
};

}  // namespace zz::mac::testing
