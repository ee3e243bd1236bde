// Start-up as the user meets it, as whole processes under an X server
// (xvfb-run): from spawning the program until its main window is mapped, and
// until the program has ended after being asked to close the way a window's
// close button asks (WM_DELETE_WINDOW). Parlow --no-splash runs on logs of 0,
// 10,000 and 100,000 games, each started once beforehand so that nothing has
// changed since its last backup and check; the baseline is a bare Qt program
// showing an empty QMainWindow (bare_main_window, Qt Widgets alone), timed
// the same way in the same run, and the same with a menu bar, which loads
// the fonts any window with text needs.
//
//   xvfb-run -a build/bin/startup_bench
// The writes' helpers name a variable `slots`: they come before Qt's macros.
#include "tests/support/ProgramFolder.h"
#include "tests/support/WritesSupport.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace writes_support;

// Watches the X server for the first top-level window mapped and asks it to
// close as the window manager's close button would.
class Display {
  public:
    Display() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_) != 0) {
            return;
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        protocols_ = Atom("WM_PROTOCOLS");
        deleteWindow_ = Atom("WM_DELETE_WINDOW");
        xcb_flush(connection_);
        ok_ = true;
    }
    ~Display() { xcb_disconnect(connection_); }
    bool Ok() const { return ok_; }

    // The window mapped next, or 0 when none came within the time.
    xcb_window_t WaitForMap(std::chrono::milliseconds limit) {
        const auto end = Clock::now() + limit;
        while (Clock::now() < end) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                const xcb_window_t window = mapped && map->override_redirect == 0 ? map->window : 0;
                std::free(event);
                if (window != 0) {
                    return window;
                }
            }
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            ::poll(&fd, 1, 5);
        }
        return 0;
    }

    void AskToClose(xcb_window_t window) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = protocols_;
        message.data.data32[0] = deleteWindow_;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
    }

    // Events of windows that came and went before the next run starts.
    void Drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            std::free(event);
        }
    }

  private:
    xcb_atom_t Atom(const char* name) {
        auto cookie =
            xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name);
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(connection_, cookie, nullptr), &std::free);
        return reply ? reply->atom : XCB_NONE;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    xcb_atom_t protocols_ = XCB_NONE;
    xcb_atom_t deleteWindow_ = XCB_NONE;
    bool ok_ = false;
};

Display& TheDisplay() {
    static Display display;
    return display;
}

struct Timing {
    double mapped = -1;  // seconds from spawn to the main window mapped
    double ended = -1;   // seconds from spawn to the process gone after the close
};

Timing TimeRun(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    Display& display = TheDisplay();
    display.Drain();
    Timing timing;
    const auto start = Clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return timing;
    }
    const xcb_window_t window = display.WaitForMap(std::chrono::seconds(30));
    if (window != 0) {
        timing.mapped = std::chrono::duration<double>(Clock::now() - start).count();
        display.AskToClose(window);
    } else {
        ::kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (window != 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        timing.ended = std::chrono::duration<double>(Clock::now() - start).count();
    }
    return timing;
}

// A copy of the built program folder whose log holds `games` games of one
// golfer: the first recorded through Putt, the rest copies of its row.
class ProgramCopy {
  public:
    explicit ProgramCopy(int games) {
        const fs::path built = fs::path(PARLOW_EXECUTABLE).parent_path();
        fs::copy(built, folder_.Path(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        for (const char* leftover : {"error.log", ".parlow.lock"}) {
            fs::remove(folder_.Path() / leftover);
        }
        fs::remove_all(folder_.Path() / "green" / "backup");
        fs::remove(folder_.Path() / "green" / ".parlow-checked");
        fs::copy_file(PARLOW_SHIPPED_DATABASE, folder_.Database(),
                      fs::copy_options::overwrite_existing);
        if (games > 0) {
            Fill(games);
        }
    }
    std::string Program() const { return (folder_.Path() / "Parlow").string(); }

  private:
    void Fill(int games) {
        const Course course{"C2", "Pebble Beach", StandardPars()};
        {
            zeviza::Putt putt(folder_.Path());
            AddGolfer(putt, "D2", "Tom", "Watson");
            AddCourse(putt, course);
            auto first = MakeGame("G1", "D2", "Tom Watson", course, ParScores(course, 18, 7), 3);
            first.Add(putt);
        }
        auto db = folder_.Open();
        SQLite::Transaction transaction(db);
        db.exec("CREATE TEMP TABLE Template AS SELECT * FROM tblGames WHERE GameID = 'G1'");
        SQLite::Statement rename(db, "UPDATE Template SET ID = NULL, GameID = ?");
        SQLite::Statement copy(db, "INSERT INTO tblGames SELECT * FROM Template");
        for (int game = 2; game <= games; ++game) {
            rename.bind(1, "G" + std::to_string(game));
            rename.exec();
            rename.reset();
            copy.exec();
            copy.reset();
        }
        transaction.commit();
    }

    testing_support::ProgramFolder folder_;
};

std::map<std::string, std::vector<Timing>>& Results() {
    static std::map<std::string, std::vector<Timing>> results;
    return results;
}

using Programs = std::vector<std::pair<std::string, std::vector<std::string>>>;

// One iteration starts every program once, in an order that turns each
// round, so a burst of load elsewhere on the machine falls on all of them.
void TimeRounds(benchmark::State& state, const Programs& programs) {
    if (!TheDisplay().Ok()) {
        state.SkipWithError("no X display: run under xvfb-run");
        return;
    }
    std::size_t turn = 0;
    for (auto _ : state) {
        double total = 0;
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const auto& [name, arguments] = programs[(i + turn) % programs.size()];
            const Timing timing = TimeRun(arguments);
            if (timing.ended < 0) {
                state.SkipWithError(("could not run " + name).c_str());
                return;
            }
            total += timing.ended;
            Results()[name].push_back(timing);
        }
        ++turn;
        state.SetIterationTime(total);
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : (n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

double MedianOf(const std::string& name, double Timing::*part) {
    std::vector<double> values;
    for (const Timing& timing : Results()[name]) {
        values.push_back(timing.*part);
    }
    return Median(values);
}

const char* const kBare = "bare QMainWindow";
const char* const kBareWithMenus = "bare, with menus";
const int kLogSizes[] = {0, 10000, 100000};

std::string LogName(int games) {
    return "Parlow, " + std::to_string(games) + " games";
}

void PrintTable() {
    const double bareEnded = MedianOf(kBare, &Timing::ended);
    const double bareMapped = MedianOf(kBare, &Timing::mapped);
    const double emptyEnded = MedianOf(LogName(0), &Timing::ended);
    if (bareEnded <= 0 || emptyEnded <= 0) {
        return;
    }
    std::printf(
        "\nmedians, whole processes: mapped = start to main window mapped, "
        "ended = start to exit after the close\n");
    std::printf("%-22s %10s %10s %12s %14s\n", "program", "mapped ms", "ended ms", "x bare",
                "x empty log");
    std::printf("%-22s %10.1f %10.1f %12.2f %14s\n", kBare, bareMapped * 1000, bareEnded * 1000,
                1.0, "");
    const double menusEnded = MedianOf(kBareWithMenus, &Timing::ended);
    std::printf("%-22s %10.1f %10.1f %12.2f %14s\n", kBareWithMenus,
                MedianOf(kBareWithMenus, &Timing::mapped) * 1000, menusEnded * 1000,
                menusEnded / bareEnded, "");
    for (const int games : kLogSizes) {
        const std::string name = LogName(games);
        const double ended = MedianOf(name, &Timing::ended);
        std::printf("%-22s %10.1f %10.1f %12.2f %14.2f\n", name.c_str(),
                    MedianOf(name, &Timing::mapped) * 1000, ended * 1000, ended / bareEnded,
                    ended / emptyEnded);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::vector<std::unique_ptr<ProgramCopy>> copies;
    Programs programs = {{kBare, {BARE_MAIN_WINDOW}},
                         {kBareWithMenus, {BARE_MAIN_WINDOW, "--menus"}}};
    for (const int games : kLogSizes) {
        copies.push_back(std::make_unique<ProgramCopy>(games));
        const std::vector<std::string> arguments = {copies.back()->Program(), "--no-splash"};
        // Once untimed: the backup and the check of this log are then behind it.
        TimeRun(arguments);
        programs.emplace_back(LogName(games), arguments);
    }
    benchmark::RegisterBenchmark(
        "StartupRound/all five programs",
        [&programs](benchmark::State& state) { TimeRounds(state, programs); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(30);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintTable();
    return 0;
}
