#import "AppKitServices.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>

// The platform services of a scripted run: a script stands in for the
// person. Alerts and sheets are answered from the queued answers (the first
// button when none is queued) and the folder panel from the queued folders
// (cancelled when none is queued); each alert and the exit go to the note.
// After showRealAlerts() alerts and sheets are shown for real, to be answered
// by key presses from outside.
class ScriptedServices : public AppKitServices {
public:
    ScriptedServices() = default;

    void queueAnswer(int answer) { answers_.push_back(answer); }
    void queueFolder(const std::string& folder) { folders_.push_back(folder); }
    void showRealAlerts() { realAlerts_ = true; }
    void setNote(std::function<void(const std::string&)> note) { note_ = std::move(note); }

    int runModalAlert(const zz::mac::Alert& alert) override;
    void beginSheetAlert(const zz::mac::Alert& alert, std::function<void(int)> done) override;
    std::optional<std::string> chooseFolder() override;
    void exitProcess(int status) override;

private:
    int scriptedAnswer(const zz::mac::Alert& alert);

    std::deque<int> answers_;
    std::deque<std::string> folders_;
    std::function<void(const std::string&)> note_;
    bool realAlerts_ = false;
};
