#include "golfers/rules/GolferRecord.h"

#include <cmath>

#include "zeviza/Identifiers.h"
#include "zeviza/TextNumber.h"

namespace parlow::golfers {
namespace {

constexpr int kAdultAge = 18;
constexpr std::size_t kAddGolferSlots = 23;
constexpr std::size_t kUpdateGolferSlots = 22;

// strText 0 to 17 are laid out alike for both methods.
void FillProfile(const GolferEntry& entry, zeviza::TextArray& strText) {
    const auto& text = entry.text;
    const std::string profile[] = {
        text[kFirstName],      text[kMiddleName],
        text[kLastName],       text[kAddress],
        text[kCity],           StateCode(entry.state[kGolferState]),
        text[kPostalCode],     text[kHomePhone],
        text[kCellPhone],      text[kWorkPhone],
        text[kClub],           text[kClubAddress],
        text[kClubCity],       StateCode(entry.state[kClubState]),
        text[kClubPostalCode], text[kClubPhone],
        text[kProShopPhone],   entry.notes,
    };
    std::copy(std::begin(profile), std::end(profile), strText.begin());
}

// Only reached after the age passed its check; an empty age counts as 0.
std::int16_t AgeOf(const GolferEntry& entry) {
    return zeviza::ReadWholeNumber(entry.text[kAge]).value;
}

// A handicap too large for single precision is as unusable as no number.
void ReadHandicap(const GolferEntry& entry, GolferRecord& record) {
    const std::optional<float> handicap = zeviza::ReadSingle(entry.text[kHandicap]);
    record.handicapReplaced = !handicap || !std::isfinite(*handicap);
    record.sngHandicap = record.handicapReplaced ? 0.0f : *handicap;
}

GolferRecord StartRecord(const GolferEntry& entry, std::size_t slots) {
    GolferRecord record;
    record.strText.resize(slots);
    FillProfile(entry, record.strText);
    record.intAge = AgeOf(entry);
    ReadHandicap(entry, record);
    return record;
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

GolferRecord AddGolferRecord(const GolferEntry& entry, const std::string& newGolferID) {
    GolferRecord record = StartRecord(entry, kAddGolferSlots);
    record.strText[18] = newGolferID;
    record.strText[19] = FullNameOf(entry);
    record.strText[20] = SexText(entry.male);
    record.strText[21] = Category(record.intAge, entry.male);
    return record;
}

GolferRecord UpdateGolferRecord(const GolferEntry& entry) {
    GolferRecord record = StartRecord(entry, kUpdateGolferSlots);
    record.strText[18] = FullNameOf(entry);
    record.strText[19] = SexText(entry.male);
    record.strText[20] = Category(record.intAge, entry.male);
    return record;
}

std::optional<std::string> MakeNewGolferID(const zeviza::RecordSet* newGolferIdRows) {
    return zeviza::FormIdentifierFromRows(zeviza::kGolferIdentifiers, newGolferIdRows);
}

}  // namespace parlow::golfers
