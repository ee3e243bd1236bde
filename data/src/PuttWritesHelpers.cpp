#include <algorithm>
#include <cmath>
#include <ctime>
#include <iterator>

#include "src/Literal.h"
#include "src/WriteHelpers.h"
#include "zeviza/ErrorLog.h"
#include "zeviza/Prompts.h"
#include "zeviza/TrimSpaces.h"

namespace zeviza::detail {

namespace {

std::string Placeholders(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += i == 0 ? "?" : ",?";
    }
    return text;
}

std::vector<Value> ValuesOf(const Columns& columns) {
    std::vector<Value> values;
    values.reserve(columns.size() + 1);
    for (const auto& column : columns) {
        values.push_back(column.value);
    }
    return values;
}

}  // namespace

void RequireFinite(std::initializer_list<float> figures, const std::string& whose) {
    for (const float figure : figures) {
        if (!std::isfinite(figure)) {
            throw Error(kInvalidArgument, "A figure of the " + whose + " is not a finite number.");
        }
    }
}

void RequireStored(Connection& connection, std::string_view table, std::string_view keyColumn,
                   const std::string& key, const std::string& what) {
    const auto found = connection.Execute("SELECT 1 FROM " + std::string(table) + " WHERE " +
                                              std::string(keyColumn) + " = ? LIMIT 1;",
                                          {Value(key)});
    if (found == nullptr || found->IsEmpty()) {
        throw Error(kNoCurrentRecord, "The " + what + " (" + key + ") is not stored.");
    }
}

Value CleanedText(Putt& putt, std::string& text) {
    return Value(LiteralValue(putt.Clean(text)));
}

namespace {

std::string WithoutNuls(const std::string& text) {
    std::string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char c) { return c != '\0'; });
    return kept;
}

}  // namespace

Value StoredText(const std::string& text) {
    return Value(TrimSpaces(WithoutNuls(text)));
}

Value UntrimmedText(const std::string& text) {
    return Value(WithoutNuls(text));
}

Value ReusedText(const std::string& cleanedElement) {
    return Value(LiteralValue(cleanedElement));
}

Columns TextColumns(Putt& putt, TextArray& strText, std::span<const char* const> names,
                    const std::set<std::size_t>& asIs) {
    Columns columns;
    for (std::size_t i = 0; i < names.size(); ++i) {
        columns.push_back(
            {names[i], asIs.count(i) != 0 ? Value(strText[i]) : CleanedText(putt, strText[i])});
    }
    return columns;
}

std::string NowText() {
    return DateTimeText();
}

void Insert(Connection& connection, std::string_view table, const Columns& columns) {
    std::string names;
    for (const auto& column : columns) {
        names += (names.empty() ? "" : ",") + column.name;
    }
    connection.Execute("INSERT INTO " + std::string(table) + " (" + names + ") VALUES (" +
                           Placeholders(columns.size()) + ");",
                       ValuesOf(columns));
}

long long Update(Connection& connection, std::string_view table, const Columns& columns,
                 std::string_view keyColumn, const std::string& key) {
    std::string sql = "UPDATE " + std::string(table) + " SET ";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        sql += (i == 0 ? "" : ",") + columns[i].name + " = ?";
    }
    sql += " WHERE " + std::string(keyColumn) + " = ?;";
    auto values = ValuesOf(columns);
    values.emplace_back(key);
    return connection.ExecuteChanges(sql, values);
}

void UpdateExisting(Connection& connection, std::string_view table, const Columns& columns,
                    std::string_view keyColumn, const std::string& key) {
    if (Update(connection, table, columns, keyColumn, key) == 0) {
        throw Error(kNoCurrentRecord, "The record to change (" + key + ") no longer exists.");
    }
}

void Delete(Connection& connection, std::string_view table, std::string_view keyColumn,
            const std::string& key) {
    connection.Execute(
        "DELETE FROM " + std::string(table) + " WHERE " + std::string(keyColumn) + " = ?;",
        {Value(key)});
}

bool StillAsShown(Connection& connection, std::string_view table, std::string_view keyColumn,
                  const std::string& key, ShownRecord* shown) {
    if (shown == nullptr) {
        return true;
    }
    auto stored = connection.Execute(
        "SELECT * FROM " + std::string(table) + " WHERE " + std::string(keyColumn) + " = ?;",
        {Value(key)});
    bool held = stored && !stored->Eof();
    for (const auto& [column, text] : shown->values) {
        if (!held) {
            break;
        }
        held = stored->Field(column).ToText() == text;
    }
    shown->changed = !held;
    return held;
}

void ShowLibraryMessage(const std::string& text) {
    Box box;
    box.title = "Zeviza";
    box.text = text;
    box.icon = Icon::Critical;
    ShowBox(box);
}

}  // namespace zeviza::detail
