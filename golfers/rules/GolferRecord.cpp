#include "golfers/rules/GolferRecord.h"

#include <cmath>

#include "zeviza/Identifiers.h"
#include "zeviza/TextNumber.h"

namespace parlow::golfers {
namespace {

constexpr int kAdultAge = 18;

// Only reached after the age passed its check; an empty age counts as 0.
std::int16_t AgeOf(const GolferEntry& entry) {
    return zeviza::ReadWholeNumber(entry.text[kAge]).value;
}

// A handicap too large for single precision is as unusable as no number.
void ReadHandicap(const GolferEntry& entry, BuiltGolfer& built) {
    const std::optional<float> handicap = zeviza::ReadSingle(entry.text[kHandicap]);
    built.handicapReplaced = !handicap || !std::isfinite(*handicap);
    built.record.handicap = built.handicapReplaced ? 0.0f : *handicap;
}

const char* SexText(bool male) {
    return male ? "Male" : "Female";
}

std::string FullNameOf(const GolferEntry& entry) {
    return FullName(entry.text[kFirstName], entry.text[kMiddleName], entry.text[kLastName]);
}

// Characters are counted as UTF-8 sequences: a byte that does not continue
// a sequence starts a character.
bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

}  // namespace

std::string FullName(const std::string& first, const std::string& middle, const std::string& last) {
    if (middle.empty()) {
        return first + " " + last;
    }
    return first + " " + middle + " " + last;
}

std::string Category(int age, bool male) {
    return std::string(age >= kAdultAge ? "Adult " : "Junior ") + SexText(male);
}

std::string StateCode(const std::string& stateListText) {
    constexpr int kCodeCharacters = 2;
    int started = 0;
    for (std::size_t at = 0; at < stateListText.size(); ++at) {
        if (StartsCharacter(stateListText[at]) && ++started > kCodeCharacters) {
            return stateListText.substr(0, at);
        }
    }
    return stateListText;
}

std::string StateListEntry(const std::string& code, const std::string& fullName) {
    return code + " - " + fullName;
}

BuiltGolfer BuildGolferRecord(const GolferEntry& entry, const std::string& golferID) {
    const auto& text = entry.text;
    BuiltGolfer built;
    zeviza::GolferRecord& g = built.record;
    g.golferId = golferID;
    g.firstName = text[kFirstName];
    g.middleName = text[kMiddleName];
    g.lastName = text[kLastName];
    g.address = text[kAddress];
    g.city = text[kCity];
    g.state = StateCode(entry.state[kGolferState]);
    g.postalCode = text[kPostalCode];
    g.homePhone = text[kHomePhone];
    g.cellPhone = text[kCellPhone];
    g.workPhone = text[kWorkPhone];
    g.club = text[kClub];
    g.clubAddress = text[kClubAddress];
    g.clubCity = text[kClubCity];
    g.clubState = StateCode(entry.state[kClubState]);
    g.clubPostalCode = text[kClubPostalCode];
    g.clubPhone = text[kClubPhone];
    g.proShopPhone = text[kProShopPhone];
    g.notes = entry.notes;
    g.fullName = FullNameOf(entry);
    g.age = AgeOf(entry);
    g.sex = SexText(entry.male);
    g.category = Category(g.age, entry.male);
    ReadHandicap(entry, built);
    return built;
}

std::optional<std::string> MakeNewGolferID(const zeviza::RecordSet* newGolferIdRows) {
    return zeviza::FormIdentifierFromRows(zeviza::kGolferIdentifiers, newGolferIdRows);
}

}  // namespace parlow::golfers
