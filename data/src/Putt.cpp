#include "zeviza/Putt.h"

#include <dlfcn.h>

#include <algorithm>

#include "zeviza/ErrorLog.h"
#include "zeviza/Prompts.h"
#include "zeviza/TrimSpaces.h"

namespace zeviza {

namespace {

const char* const kTitle = "Zeviza";
const char* const kEol = "\r\n";

std::filesystem::path& FolderOverride() {
    static std::filesystem::path folder;
    return folder;
}

void ShowConstructionFailure() {
    Box box;
    box.title = kTitle;
    box.icon = Icon::Critical;
    box.text = std::string("The database cannot be found!  If the database has been ") + kEol +
               "moved, altered or renamed it must be relocated back to" + kEol +
               "the original folder and the name must be changed back" + kEol +
               "to Parlow.plg.  The quickest way to fix this is to" + kEol +
               "use Add/Remove programs to remove the application then" + kEol +
               "reinstall The Parlow's Log application.";
    ShowBox(box);
}

}  // namespace

std::filesystem::path Putt::LibraryFolder() {
    if (!FolderOverride().empty()) {
        return FolderOverride();
    }
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&Putt::LibraryFolder), &info) == 0 ||
        info.dli_fname == nullptr) {
        return {};
    }
    std::error_code ec;
    auto path = std::filesystem::canonical(info.dli_fname, ec);
    return ec ? std::filesystem::path(info.dli_fname).parent_path() : path.parent_path();
}

void Putt::OverrideLibraryFolder(const std::filesystem::path& folder) {
    FolderOverride() = folder;
}

Putt::Putt() : Putt(LibraryFolder()) {}

Putt::Putt(const std::filesystem::path& programFolder) : folder_(programFolder) {
    strConnect = "Provider=SQLite3;User ID=;";
    strConnect += "Data Source=";
    strConnect += folder_.string();
    strConnect += "/green/parlow.plg;";
    strConnect += "Persist Security Info=False;";
    if (folder_.empty()) {
        // Without its own folder the library cannot know where the data is.
        ShowConstructionFailure();
        AppendErrorLog(std::filesystem::current_path(), LogEntryKind::ConstructionFailure, 3706,
                       "The library's folder could not be determined.", {});
        return;
    }
    conDataBase_ = std::make_unique<Connection>(strConnect);
    conDataBase_->ClearErrors();
    conDataBase_->SetClientSideCursor();
}

Putt::~Putt() {
    try {
        if (conDataBase_) {
            conDataBase_->ClearErrors();
            conDataBase_.reset();
        }
    } catch (...) {
    }
}

std::string Putt::Clean(std::string& strText) {
    try {
        // One pass into a new text: inserting each second apostrophe in place
        // would move the rest of the text every time.
        const auto apostrophes =
            static_cast<std::size_t>(std::count(strText.begin(), strText.end(), '\''));
        std::string escaped(strText.size() + apostrophes, '\0');
        std::size_t length = 0;
        for (const char c : strText) {
            escaped[length] = c;
            length += c == '\0' ? 0 : 1;
            if (c == '\'') {
                escaped[length++] = '\'';
            }
        }
        escaped.resize(length);
        strText.swap(escaped);
    } catch (...) {
        // The text goes on in whatever state it reached.
    }
    return TrimSpaces(strText);
}

Connection& Putt::Conn() {
    if (!conDataBase_) {
        throw Error(kObjectClosed, "Object variable or With block variable not set");
    }
    return *conDataBase_;
}

void Putt::CloseQuietly() {
    try {
        if (conDataBase_ && conDataBase_->IsOpen()) {
            conDataBase_->Close();
        }
    } catch (...) {
    }
}

void Putt::ShowErrorBox(const Error& error) {
    Box box;
    box.title = kTitle;
    box.icon = Icon::Critical;
    box.text = "ERROR # " + std::to_string(error.Number()) + kEol + kEol + error.Description() +
               kEol + "In the Dynamic Link Library" + kEol + "Function: " + strFunction;
    ShowBox(box);
}

void Putt::LogError(const char* logLabel, const Error& error) {
    AppendErrorLog(folder_, LogEntryKind::Library, error.Number(), error.Description(), logLabel);
}

bool Putt::Confirmed(const std::string& title, const std::string& text) {
    Box box;
    box.title = title;
    box.text = text;
    box.icon = Icon::Question;
    box.buttons = Buttons::YesNo;
    box.defaultButton = Answer::No;
    return ShowBox(box) == Answer::Yes;
}

// --- the unit of work in its failure styles ---

RecordSetPtr Putt::ReadIgnoring(const std::string& sql, const std::vector<Value>& params) {
    RecordSetPtr result;
    bool began = false;
    auto step = [](auto&& action) {
        try {
            action();
        } catch (...) {
        }
    };
    step([&] { Conn().Open(); });
    step([&] {
        Conn().BeginTrans();
        began = true;
    });
    step([&] { result = Conn().Execute(sql, params); });
    // Only the transaction this read began is committed: one left open by
    // an interrupted call is never carried into the file by a read.
    step([&] {
        if (began) {
            Conn().CommitTrans();
        }
    });
    step([&] {
        if (result) {
            result->Detach();
        }
    });
    CloseQuietly();
    return result;
}

RecordSetPtr Putt::ReadReporting(const char* label, const std::string& sql) {
    RecordSetPtr result;
    try {
        Conn().Open();
        Conn().BeginTrans();
        result = Conn().Execute(sql);
        Conn().CommitTrans();
        result->Detach();
        CloseQuietly();
        return result;
    } catch (const Error& error) {
        // The clean-up itself may fail (never opened, nothing to detach);
        // that failure then goes to the caller without a message.
        try {
            Conn().RollbackTrans();
            if (!result) {
                throw error;
            }
            result->Detach();
        } catch (...) {
            CloseQuietly();
            throw;
        }
        CloseQuietly();
        strFunction = label;
        ShowErrorBox(error);
        return result;
    } catch (...) {
        CloseQuietly();
        throw;
    }
}

RecordSetPtr Putt::ReadPropagating(const std::string& sql, const std::vector<Value>& params) {
    try {
        Conn().Open();
        Conn().BeginTrans();
        RecordSetPtr result = Conn().Execute(sql, params);
        Conn().CommitTrans();
        result->Detach();
        CloseQuietly();
        return result;
    } catch (...) {
        CloseQuietly();
        throw;
    }
}

bool Putt::RunWrite(const WriteLabels& labels, const WriteBody& body) {
    try {
        Conn().Open();
        Conn().BeginTrans();
        if (body(Conn()) == Outcome::RollBack) {
            Conn().RollbackTrans();
            CloseQuietly();
            return false;
        }
        Conn().CommitTrans();
        CloseQuietly();
        return true;
    } catch (const Error& error) {
        try {
            Conn().RollbackTrans();
        } catch (...) {
            // Never opened or never begun: the original failure goes to the caller.
            CloseQuietly();
            throw error;
        }
        CloseQuietly();
        if (labels.handledApart && labels.handledApart(error)) {
            return false;
        }
        LogError(labels.log, error);
        strFunction = labels.message;
        ShowErrorBox(error);
        return false;
    } catch (...) {
        // A failure from outside the library (a prompt, an allocation) ends
        // the unit of work as well: closing rolls back whatever was done.
        CloseQuietly();
        throw;
    }
}

}  // namespace zeviza
