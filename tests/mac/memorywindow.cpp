#include "memorywindow.h"

namespace zz::mac::testing {

void MemoryOutlets::selectIndex(Outlet outlet, int index)
{
    Control& combo = at(outlet);
    if (index < 0 || static_cast<size_t>(index) >= combo.items.size()) return;
    combo.selected = index;
    combo.text = combo.items[static_cast<size_t>(index)];
}

void MemoryOutlets::addItems(Outlet outlet, const std::vector<std::string>& items)
{
    Control& combo = at(outlet);
    combo.items.insert(combo.items.end(), items.begin(), items.end());
}

void MemoryOutlets::attachFormatter(Outlet outlet, std::shared_ptr<const FormatterRule> rule)
{
    at(outlet).formatter = std::move(rule);
}

bool MemoryOutlets::type(Outlet field, const std::string& proposed)
{
    if (outletKind(field) == ControlKind::popUpButton) return false;
    Control& control = at(field);
    if (control.formatter) {
        const FormatterRule::Verdict verdict = control.formatter->check(proposed);
        if (!verdict.accepted) {
            if (verdict.replacement) control.text = *verdict.replacement;
            return false;
        }
    }
    control.text = proposed;
    return true;
}

bool MemoryOutlets::typeAtEnd(Outlet field, const std::string& characters)
{
    return type(field, text(field) + characters);
}

bool MemoryOutlets::choose(Outlet list, const std::string& item)
{
    const std::vector<std::string>& items = at(list).items;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] == item) {
            selectIndex(list, static_cast<int>(i));
            return true;
        }
    }
    return false;
}

void MemoryOutlets::click(Outlet button)
{
    if (outletKind(button) == ControlKind::checkBox) {
        at(button).on = !at(button).on;
        return;
    }
    for (Outlet member : radioGroupOf(button)) at(member).on = member == button;
}

int MemoryServices::runModalAlert(const Alert& alert)
{
    alerts.push_back(alert);
    if (answers.empty()) return kAlertFirstButtonReturn;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

void MemoryServices::beginSheetAlert(const Alert& alert, std::function<void(int)> done)
{
    sheet = alert;
    sheetDone_ = std::move(done);
}

void MemoryServices::endSheet(int returnCode)
{
    sheet.reset();
    auto done = std::move(sheetDone_);
    sheetDone_ = nullptr;
    if (done) done(returnCode);
}

void MemoryServices::writePasteboard(const std::vector<std::string>& pieces)
{
    pasteboard = pieces;
    ++pasteboardWrites;
}

std::optional<std::string> MemoryServices::chooseFolder()
{
    return folderToChoose;
}

std::string MemoryServices::resourcePath(const std::string& name) const
{
    auto found = resources.find(name);
    return found == resources.end() ? std::string() : found->second;
}

}  // namespace zz::mac::testing
