#include "app/windows/RecordChecks.h"

#include <optional>

#include "ui/BusyCursor.h"
#include "ui/ProgramState.h"
#include "ui/QtPrompts.h"
#include "ui/ScreenSteps.h"
#include "ui/modGlobal.h"

namespace parlow {

namespace {

// A read that fails or finds no Putt counts as finding no records.
bool FindsRows(const RecordCheck& check) {
    SharedRecordset() = PuttStep(check.read);
    const auto& found = SharedRecordset();
    return found != nullptr && !found->IsEmpty();
}

}  // namespace

RecordCheck GolfersExist(std::string message) {
    return {[](zeviza::Putt& putt) { return putt.RefreshGolfers(); }, std::move(message)};
}

RecordCheck CoursesExist(std::string message) {
    return {[](zeviza::Putt& putt) { return putt.RefreshClubs(); }, std::move(message)};
}

RecordCheck GamesExist(std::string message) {
    return {[](zeviza::Putt& putt) { return putt.RefreshGames(); }, std::move(message)};
}

RecordCheck PlayedGamesExist(std::string message) {
    return {[](zeviza::Putt& putt) { return putt.RefreshStats(0); }, std::move(message)};
}

bool RecordsExist(const std::vector<RecordCheck>& checks) {
    std::optional<BusyCursor> busy;
    if (!checks.empty()) {
        busy.emplace();
    }
    for (const RecordCheck& check : checks) {
        const bool found = FindsRows(check);
        CloseSharedRecordset();
        if (!found) {
            busy.reset();
            ShowMessage(check.message, zeviza::Icon::Warning);
            return false;
        }
    }
    return true;
}

}  // namespace parlow
