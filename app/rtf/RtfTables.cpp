#include "app/rtf/RtfTables.h"

#include <algorithm>

namespace parlow::rtf {
namespace {

constexpr std::size_t kMaxEntries = 4096;
constexpr qsizetype kMaxFamilyLength = 128;

}  // namespace

void ColourTable::SetComponent(int& component, int value) {
    component = std::clamp(value, 0, 255);
    hasComponent_ = true;
}

void ColourTable::AddText(QStringView text) {
    for (const QChar c : text) {
        if (c == u';') {
            EndEntry();
        }
    }
}

void ColourTable::EndEntry() {
    if (colours_.size() < kMaxEntries) {
        colours_.push_back(hasComponent_ ? QColor(red_, green_, blue_) : QColor());
    }
    red_ = green_ = blue_ = 0;
    hasComponent_ = false;
}

QColor ColourTable::At(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= colours_.size()) {
        return {};
    }
    return colours_[static_cast<std::size_t>(index)];
}

void FontTable::BeginEntry(int number) {
    current_ = number;
    name_.clear();
}

void FontTable::AddText(QStringView text) {
    for (const QChar c : text) {
        if (c == u';') {
            EndEntry();
        } else if (name_.size() < kMaxFamilyLength) {
            name_.append(c);
        }
    }
}

void FontTable::EndEntry() {
    const QString family = name_.trimmed();
    if (current_ >= 0 && !family.isEmpty() &&
        (families_.size() < kMaxEntries || families_.contains(current_))) {
        families_[current_] = family;
    }
    name_.clear();
}

QString FontTable::Family(int number) const {
    const auto found = families_.find(number);
    return found == families_.end() ? QString() : found->second;
}

}  // namespace parlow::rtf
