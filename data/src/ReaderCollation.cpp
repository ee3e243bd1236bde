#include "zeviza/ReaderCollation.h"

#include <sqlite3.h>
#include <unicode/coll.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "src/UserLocale.h"
#include "zeviza/Error.h"

namespace zeviza {

namespace {

// One collator for the process; ICU allows comparing from any thread.
const icu::Collator* Collator() {
    static const std::unique_ptr<icu::Collator> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Collator> made(
            icu::Collator::createInstance(detail::UserLocale("LC_COLLATE"), status));
        if (U_FAILURE(status) || !made) {
            status = U_ZERO_ERROR;
            made.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
        }
        return U_SUCCESS(status) ? std::move(made) : nullptr;
    }();
    return collator.get();
}

// Byte order: only when ICU itself is unavailable.
int CompareBytes(int lengthA, const void* a, int lengthB, const void* b) {
    const int common = std::min(lengthA, lengthB);
    const int result = std::memcmp(a, b, static_cast<std::size_t>(common));
    return result != 0 ? result : lengthA - lengthB;
}

int CompareForReaders(void* collator, int lengthA, const void* a, int lengthB, const void* b) {
    if (collator == nullptr) {
        return CompareBytes(lengthA, a, lengthB, b);
    }
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = static_cast<const icu::Collator*>(collator)->compareUTF8(
        icu::StringPiece(static_cast<const char*>(a), lengthA),
        icu::StringPiece(static_cast<const char*>(b), lengthB), status);
    return U_FAILURE(status) ? CompareBytes(lengthA, a, lengthB, b) : static_cast<int>(result);
}

}  // namespace

void RegisterReaderOrder(sqlite3* handle) {
    const int code = sqlite3_create_collation_v2(handle, kReaderOrder, SQLITE_UTF8,
                                                 const_cast<icu::Collator*>(Collator()),
                                                 CompareForReaders, nullptr);
    if (code != SQLITE_OK) {
        throw Error(code, "The reading order of names could not be set up.");
    }
}

}  // namespace zeviza
