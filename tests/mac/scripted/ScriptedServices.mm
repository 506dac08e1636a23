#import "ScriptedServices.h"

#include <utility>

int ScriptedServices::scriptedAnswer(const zz::mac::Alert& alert)
{
    int answer = zz::mac::kAlertFirstButtonReturn;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    if (note_) note_("alert: " + alert.message + " | " + alert.informative + " -> " + std::to_string(answer));
    return answer;
}

int ScriptedServices::runModalAlert(const zz::mac::Alert& alert)
{
    if (realAlerts_) return AppKitServices::runModalAlert(alert);
    return scriptedAnswer(alert);
}

void ScriptedServices::beginSheetAlert(const zz::mac::Alert& alert, std::function<void(int)> done)
{
    if (realAlerts_) {
        AppKitServices::beginSheetAlert(alert, std::move(done));
        return;
    }
    const int answer = scriptedAnswer(alert);
    if (done) done(answer);
}

std::optional<std::string> ScriptedServices::chooseFolder()
{
    if (folders_.empty()) return std::nullopt;
    std::string folder = folders_.front();
    folders_.pop_front();
    return folder;
}

void ScriptedServices::exitProcess(int status)
{
    if (note_) note_("exit: " + std::to_string(status));
    AppKitServices::exitProcess(status);
}
