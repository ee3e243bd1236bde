#include "ui/modGlobal.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QThread>
#include <QWidget>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <type_traits>
#include <vector>

#include "ui/Platform.h"
#include "ui/ProgramState.h"
#include "ui/ShutDownHooks.h"
#include "zeviza/ErrorLog.h"
#include "zeviza/TrimSpaces.h"

namespace parlow {

namespace {

QString TrimSpaces(const QString& text) {
    return QString::fromStdString(zeviza::TrimSpaces(text.toStdString()));
}

// The line edits inside combo lists and date pickers are not text fields.
bool IsTextField(const QLineEdit* edit) {
    const QWidget* parent = edit->parentWidget();
    return qobject_cast<const QComboBox*>(parent) == nullptr &&
           qobject_cast<const QAbstractSpinBox*>(parent) == nullptr;
}

std::vector<std::function<void()>>& ReleaseSteps() {
    static std::vector<std::function<void()>> steps;
    return steps;
}

}  // namespace

void OnShutDown(std::function<void()> release) {
    ReleaseSteps().push_back(std::move(release));
}

void CloseSharedRecordset() {
    try {
        if (auto& recordset = SharedRecordset()) {
            if (recordset->IsOpen()) {
                recordset->Close();
            }
            recordset.reset();
        }
    } catch (...) {
    }
}

void DeleteErrorLog() {
    std::error_code ec;
    std::filesystem::remove(zeviza::ErrorLogPath(ProgramFolder()), ec);
}

void TrimTextFields(QWidget* screen) {
    if (screen == nullptr) {
        return;
    }
    for (QLineEdit* edit : screen->findChildren<QLineEdit*>()) {
        if (IsTextField(edit)) {
            const QString trimmed = TrimSpaces(edit->text());
            if (trimmed != edit->text()) {
                edit->setText(trimmed);
            }
        }
    }
    // Rich-text and plain notes boxes alike; untouched when already trimmed,
    // so the cursor and undo history stay.
    auto trimBoxes = [screen](auto* kind) {
        using Box = std::remove_pointer_t<decltype(kind)>;
        for (Box* edit : screen->findChildren<Box*>()) {
            const QString text = edit->toPlainText();
            const QString trimmed = TrimSpaces(text);
            if (trimmed != text) {
                edit->setPlainText(trimmed);
            }
        }
    };
    trimBoxes(static_cast<QTextEdit*>(nullptr));
    trimBoxes(static_cast<QPlainTextEdit*>(nullptr));
}

bool Pause(int seconds) {
    using namespace std::chrono;
    const auto wholeSeconds = [] {
        return duration_cast<std::chrono::seconds>(system_clock::now().time_since_epoch()).count();
    };
    const auto start = wholeSeconds();
    while (wholeSeconds() - start <= seconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

std::string ReadRegistryString(const std::string& keyPath, const std::string& valueName,
                               bool classesRoot, bool currentConfig, bool currentUser, bool dynData,
                               bool localMachine, bool performanceData, bool users,
                               bool appendBackslash) {
    const std::pair<bool, RegistryRoot> roots[] = {
        {classesRoot, RegistryRoot::ClassesRoot},
        {currentConfig, RegistryRoot::CurrentConfig},
        {currentUser, RegistryRoot::CurrentUser},
        {dynData, RegistryRoot::DynData},
        {localMachine, RegistryRoot::LocalMachine},
        {performanceData, RegistryRoot::PerformanceData},
        {users, RegistryRoot::Users},
    };
    for (const auto& [chosen, root] : roots) {
        if (!chosen) {
            continue;
        }
        constexpr std::size_t kBufferCharacters = 255;
        const auto value = CurrentRegistry().Query(root, keyPath, valueName);
        if (!value || value->size() + 1 > kBufferCharacters) {
            return {};
        }
        std::string text = zeviza::TrimSpaces(*value);
        if (appendBackslash && (text.empty() || text.back() != '\\')) {
            text += '\\';
        }
        return text;
    }
    return {};
}

void ReleaseEverything() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->close();
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->deleteLater();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (auto& release : ReleaseSteps()) {
        try {
            release();
        } catch (...) {
        }
    }
    CloseSharedRecordset();
    ReleasePutt();
    std::error_code ec;
    std::filesystem::current_path(ProgramFolder(), ec);
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

void ShutDown(int status) {
    try {
        ReleaseEverything();
    } catch (...) {
    }
    std::exit(status);
}

}  // namespace parlow
