#include "RealBridge.h"

#include <atspi/atspi.h>
#include <dbus/dbus.h>
#include <gio/gio.h>
#include <glib-unix.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

extern char **environ;

namespace tessavo::test::realbridge {

namespace {

std::string pathOf(AtspiAccessible *accessible)
{
    return accessible ? ATSPI_OBJECT(accessible)->path : std::string();
}

using Clock = std::chrono::steady_clock;

constexpr const char *kBusLauncherName = "org.a11y.Bus";
constexpr const char *kBusLauncherProgram = "/usr/libexec/at-spi-bus-launcher";
constexpr const char *kRegistryName = "org.a11y.atspi.Registry";

int remainingMs(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<Millis>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// This process's variables with the changes: "NAME=VALUE" sets, "NAME" unsets.
std::vector<std::string> mergedEnvironment(const std::vector<std::string> &changes)
{
    std::map<std::string, std::string> variables;
    for (char **e = environ; *e; ++e) {
        const std::string entry = *e;
        const auto equals = entry.find('=');
        if (equals != std::string::npos)
            variables[entry.substr(0, equals)] = entry.substr(equals + 1);
    }
    for (const std::string &change : changes) {
        const auto equals = change.find('=');
        if (equals == std::string::npos)
            variables.erase(change);
        else
            variables[change.substr(0, equals)] = change.substr(equals + 1);
    }
    std::vector<std::string> merged;
    for (const auto &[name, value] : variables)
        merged.push_back(name + "=" + value);
    return merged;
}

bool waitForExit(pid_t pid, Millis timeout, int *status)
{
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd >= 0) {
        pollfd watch{pidfd, POLLIN, 0};
        const int ready = poll(&watch, 1, static_cast<int>(timeout.count()));
        close(pidfd);
        if (ready <= 0)
            return false;
    }
    // Without a pidfd (an old kernel), the wait below blocks: the kill
    // before it has to do.
    return waitpid(pid, status, pidfd >= 0 ? WNOHANG : 0) == pid;
}

// The configuration of a private bus: ours alone, no service started on
// demand, everything allowed.
std::string busConfiguration(const std::string &type, const std::string &folder)
{
    return "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig>\n"
           "  <type>" +
           type +
           "</type>\n"
           "  <listen>unix:dir=" +
           folder +
           "</listen>\n"
           "  <auth>EXTERNAL</auth>\n"
           "  <policy context=\"default\">\n"
           "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
           "    <allow eavesdrop=\"true\"/>\n"
           "    <allow own=\"*\"/>\n"
           "  </policy>\n"
           "</busconfig>\n";
}

// What libatspi warns of, kept for the test; it still reaches the log.
std::mutex g_warningsLock;
std::vector<std::string> g_warnings;

GLogWriterOutput keepWarnings(GLogLevelFlags level, const GLogField *fields, gsize count,
                              gpointer data)
{
    if (level & (G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_ERROR)) {
        for (gsize i = 0; i < count; ++i) {
            if (std::strcmp(fields[i].key, "MESSAGE") == 0 && fields[i].length < 0) {
                const std::lock_guard lock(g_warningsLock);
                g_warnings.emplace_back(static_cast<const char *>(fields[i].value));
            }
        }
    }
    return g_log_writer_default(level, fields, count, data);
}

// How long libatspi waits for the program's answer to a question: the
// editor may be busy for a while with a large plan.
constexpr int kCallTimeoutMs = 30000;

// libatspi binds to one accessibility bus for the life of the process.
std::string g_atspiBus;

std::string startAtspi(const std::string &bus)
{
    if (!g_atspiBus.empty())
        return g_atspiBus == bus ? std::string() : "libatspi is bound to another desktop";
    // GLib takes a writer once per process.
    static const bool writing = [] {
        g_log_set_writer_func(keepWarnings, nullptr, nullptr);
        return true;
    }();
    (void)writing;
    setenv("AT_SPI_BUS_ADDRESS", bus.c_str(), 1);
    if (atspi_init() > 1)
        return "atspi_init failed";
    atspi_set_timeout(kCallTimeoutMs, kCallTimeoutMs);
    g_atspiBus = bus;
    return {};
}

} // namespace

// ---- Child ------------------------------------------------------------------

bool Child::start(const std::vector<std::string> &argv, const std::vector<std::string> &environment,
                  bool pipes, int handshakeFd, std::string *error)
{
    const std::vector<std::string> envStrings = mergedEnvironment(environment);
    std::vector<char *> args;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char *> envp;
    for (const std::string &e : envStrings)
        envp.push_back(const_cast<char *>(e.c_str()));
    envp.push_back(nullptr);

    int in[2] = {-1, -1};
    int out[2] = {-1, -1};
    int hs[2] = {-1, -1};
    const auto closeAll = [&] {
        for (int fd : {in[0], in[1], out[0], out[1], hs[0], hs[1]}) {
            if (fd >= 0)
                close(fd);
        }
    };
    if ((pipes && (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0)) ||
        (handshakeFd >= 0 && pipe2(hs, O_CLOEXEC) != 0)) {
        *error = std::string("pipe: ") + std::strerror(errno);
        closeAll();
        return false;
    }
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        *error = std::string("fork: ") + std::strerror(errno);
        closeAll();
        return false;
    }
    if (pid == 0) {
        // Only calls that are safe after a fork, up to the exec.
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(126);
        if (pipes && (dup2(in[0], STDIN_FILENO) < 0 || dup2(out[1], STDOUT_FILENO) < 0))
            _exit(126);
        if (handshakeFd >= 0) {
            if (hs[1] == handshakeFd)
                fcntl(handshakeFd, F_SETFD, 0);
            else if (dup2(hs[1], handshakeFd) < 0)
                _exit(126);
        }
        execvpe(args[0], args.data(), envp.data());
        _exit(127);
    }
    setpgid(pid, pid);
    m_pid = pid;
    if (pipes) {
        close(in[0]);
        close(out[1]);
        m_in = in[1];
        m_out = out[0];
    }
    if (handshakeFd >= 0) {
        close(hs[1]);
        m_handshake = hs[0];
    }
    return true;
}

void Child::stop()
{
    for (int *fd : {&m_in, &m_out, &m_handshake}) {
        if (*fd >= 0)
            close(*fd);
        *fd = -1;
    }
    if (m_pid <= 0)
        return;
    kill(-m_pid, SIGTERM);
    int status = 0;
    if (!waitForExit(m_pid, Millis(3000), &status)) {
        kill(-m_pid, SIGKILL);
        waitpid(m_pid, &status, 0);
    }
    // Whatever the group still holds goes with it.
    kill(-m_pid, SIGKILL);
    m_pid = -1;
}

void Child::closeInput()
{
    if (m_in >= 0)
        close(m_in);
    m_in = -1;
}

void Child::forget()
{
    for (int *fd : {&m_in, &m_out, &m_handshake}) {
        if (*fd >= 0)
            close(*fd);
        *fd = -1;
    }
    if (m_pid > 0)
        kill(-m_pid, SIGKILL);
    m_pid = -1;
}

bool readLine(int fd, Millis timeout, std::string *line, std::string *error)
{
    const auto deadline = Clock::now() + timeout;
    line->clear();
    for (;;) {
        pollfd watch{fd, POLLIN, 0};
        const int ready = poll(&watch, 1, remainingMs(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            *error = "no answer within " + std::to_string(timeout.count()) + " ms";
            return false;
        }
        char c = 0;
        const ssize_t got = read(fd, &c, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            *error = "the program ended without an answer";
            return false;
        }
        if (c == '\n')
            return true;
        line->push_back(c);
    }
}

// ---- Desktop ----------------------------------------------------------------

Desktop::Desktop()
{
    char folder[] = "/tmp/tessavo-desktop-XXXXXX";
    if (mkdtemp(folder))
        m_folder = folder;
}

Desktop::~Desktop()
{
    m_launcher.stop();
    m_session.stop();
    m_x.stop();
    if (!m_folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
}

namespace {

// A timer of the default main context that sets the flag once the deadline
// has passed.
guint addDeadline(bool &timedOut, Clock::time_point deadline)
{
    return g_timeout_add(
        static_cast<guint>(remainingMs(deadline)),
        [](gpointer data) -> gboolean {
            *static_cast<bool *>(data) = true;
            return G_SOURCE_REMOVE;
        },
        &timedOut);
}

// Runs the default main context until the flag is set, the child at the
// other end of the pipe is gone, or the time runs out; empty, or why not.
std::string waitFor(const bool &flag, int childPipe, Clock::time_point deadline)
{
    struct Wait {
        bool gone = false;
        bool timedOut = false;
    } wait;
    const guint gone = g_unix_fd_add(
        childPipe, static_cast<GIOCondition>(G_IO_HUP | G_IO_ERR | G_IO_IN),
        [](gint, GIOCondition, gpointer data) -> gboolean {
            static_cast<Wait *>(data)->gone = true;
            return G_SOURCE_REMOVE;
        },
        &wait);
    const guint timer = addDeadline(wait.timedOut, deadline);
    while (!flag && !wait.gone && !wait.timedOut)
        g_main_context_iteration(nullptr, TRUE);
    if (!wait.timedOut)
        g_source_remove(timer);
    if (!wait.gone)
        g_source_remove(gone);
    if (flag)
        return {};
    return wait.gone ? "it ended at its start" : "no sign of it in time";
}

GDBusConnection *connectTo(const std::string &address, std::string *error)
{
    GError *gerror = nullptr;
    GDBusConnection *bus = g_dbus_connection_new_for_address_sync(
        address.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &gerror);
    if (!bus) {
        *error = gerror->message;
        g_error_free(gerror);
    }
    return bus;
}

void closeBus(GDBusConnection *bus)
{
    g_dbus_connection_close_sync(bus, nullptr, nullptr);
    g_object_unref(bus);
}

// A method call with its reply, within the time.
GVariant *call(GDBusConnection *bus, const char *service, const char *path, const char *interface,
               const char *method, GVariant *arguments, const char *replyType,
               Clock::time_point deadline, std::string *error)
{
    GError *gerror = nullptr;
    GVariant *reply = g_dbus_connection_call_sync(
        bus, service, path, interface, method, arguments, G_VARIANT_TYPE(replyType),
        G_DBUS_CALL_FLAGS_NONE, std::max(remainingMs(deadline), 1), nullptr, &gerror);
    if (!reply) {
        *error = std::string(method) + ": " + gerror->message;
        g_error_free(gerror);
    }
    return reply;
}

} // namespace

std::string Desktop::start(Millis timeout)
{
    const auto deadline = Clock::now() + timeout;
    if (m_folder.empty())
        return "no folder for the desktop";
    std::string error;
    std::string line;

    // X: the server writes its display number once it takes connections.
    if (!m_x.start({"Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-screen", "0", "1280x1024x24",
                    "-noreset"},
                   {}, false, 3, &error))
        return "Xvfb: " + error;
    if (!readLine(m_x.handshake(), Millis(remainingMs(deadline)), &line, &error))
        return "Xvfb: " + error;
    m_display = ":" + line;

    // The session bus writes its address once it listens.
    const std::string config = m_folder + "/session.conf";
    std::ofstream(config) << busConfiguration("session", m_folder);
    if (!m_session.start({"dbus-daemon", "--nofork", "--nosyslog", "--config-file=" + config,
                          "--print-address=3"},
                         {}, false, 3, &error))
        return "dbus-daemon: " + error;
    if (!readLine(m_session.handshake(), Millis(remainingMs(deadline)), &m_sessionAddress, &error))
        return "dbus-daemon: " + error;

    // The launcher starts the accessibility bus and offers its address on
    // the session bus; the registry on it starts when asked for.
    GDBusConnection *session = connectTo(m_sessionAddress, &error);
    if (!session)
        return "session bus: " + error;
    bool launcherUp = false;
    const guint watch = g_bus_watch_name_on_connection(
        session, kBusLauncherName, G_BUS_NAME_WATCHER_FLAGS_NONE,
        [](GDBusConnection *, const gchar *, const gchar *, gpointer data) {
            *static_cast<bool *>(data) = true;
        },
        nullptr, &launcherUp, nullptr);
    // Settings of its own: a reader turned on in the user's settings would
    // turn the bridge on where no reader is wanted.
    const std::vector<std::string> variables{
        "DISPLAY=" + m_display, "DBUS_SESSION_BUS_ADDRESS=" + m_sessionAddress,
        "XDG_RUNTIME_DIR=" + m_folder, "GSETTINGS_BACKEND=memory"};
    std::string failed;
    if (!m_launcher.start({kBusLauncherProgram, "--launch-immediately"}, variables, false, 3,
                          &error))
        failed = "at-spi-bus-launcher: " + error;
    else if (std::string why = waitFor(launcherUp, m_launcher.handshake(), deadline); !why.empty())
        failed = "at-spi-bus-launcher: " + why;
    g_bus_unwatch_name(watch);
    if (failed.empty()) {
        if (GVariant *reply = call(session, kBusLauncherName, "/org/a11y/bus", kBusLauncherName,
                                   "GetAddress", nullptr, "(s)", deadline, &error)) {
            const gchar *address = nullptr;
            g_variant_get(reply, "(&s)", &address);
            m_a11yAddress = address;
            g_variant_unref(reply);
        } else {
            failed = "at-spi-bus-launcher: " + error;
        }
    }
    closeBus(session);
    if (!failed.empty())
        return failed;

    GDBusConnection *a11y = connectTo(m_a11yAddress, &error);
    if (!a11y)
        return "accessibility bus: " + error;
    GVariant *started = call(a11y, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                             "org.freedesktop.DBus", "StartServiceByName",
                             g_variant_new("(su)", kRegistryName, 0u), "(u)", deadline, &error);
    closeBus(a11y);
    if (!started)
        return "the registry: " + error;
    g_variant_unref(started);
    return {};
}

std::vector<std::string> Desktop::environment(bool bridge) const
{
    std::vector<std::string> variables{
        "DISPLAY=" + m_display,
        "DBUS_SESSION_BUS_ADDRESS=" + m_sessionAddress,
        "XDG_RUNTIME_DIR=" + m_folder,
        "QT_QPA_PLATFORM=xcb",
        // Qt finds the accessibility bus through the session bus, as on a
        // desktop.
        "AT_SPI_BUS_ADDRESS",
    };
    // Without a reader the desktop does not turn the bridge on: this does.
    variables.push_back(bridge ? "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"
                               : "QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    return variables;
}

// ---- Editor -----------------------------------------------------------------

Editor::~Editor()
{
    finish();
}

std::string Editor::start(const Desktop &desktop, bool bridge, Millis timeout)
{
    std::vector<std::string> argv{TESSAVO_EDITOR_DRIVER};
    if (bridge)
        argv.emplace_back("--bridge");
    std::string error;
    if (!m_child.start(argv, desktop.environment(bridge), true, -1, &error))
        return "editor: " + error;
    const std::string answer = step("", timeout);
    if (answer.rfind("ready ", 0) != 0)
        return "editor at its start: " + answer;
    return {};
}

std::string Editor::step(const std::string &line, Millis timeout)
{
    if (m_child.pid() <= 0)
        return "error: the editor is not running";
    if (!line.empty()) {
        const std::string sent = line + "\n";
        if (write(m_child.input(), sent.data(), sent.size()) != static_cast<ssize_t>(sent.size()))
            return "error: the editor takes no more steps";
    }
    // Hears the news while the step runs: a reader does not wait for the
    // program to finish, and the program may wait on a reader's questions.
    struct Wait {
        int fd;
        std::string answer;
        bool done = false;
        bool ended = false;
        bool timedOut = false;
    } wait{m_child.output(), {}};
    const guint reader = g_unix_fd_add(
        wait.fd, static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR),
        [](gint fd, GIOCondition, gpointer data) -> gboolean {
            auto *w = static_cast<Wait *>(data);
            char c = 0;
            const ssize_t got = read(fd, &c, 1);
            if (got < 0 && errno == EINTR)
                return G_SOURCE_CONTINUE;
            if (got <= 0) {
                w->ended = true;
                return G_SOURCE_REMOVE;
            }
            if (c == '\n') {
                w->done = true;
                return G_SOURCE_REMOVE;
            }
            w->answer.push_back(c);
            return G_SOURCE_CONTINUE;
        },
        &wait);
    const guint timer = g_timeout_add(
        static_cast<guint>(timeout.count()),
        [](gpointer data) -> gboolean {
            static_cast<Wait *>(data)->timedOut = true;
            return G_SOURCE_REMOVE;
        },
        &wait);
    while (!wait.done && !wait.ended && !wait.timedOut)
        g_main_context_iteration(nullptr, TRUE);
    if (!wait.timedOut)
        g_source_remove(timer);
    if (!wait.done && !wait.ended)
        g_source_remove(reader);
    if (wait.timedOut)
        return "error: no answer to \"" + line + "\" within " + std::to_string(timeout.count()) +
               " ms";
    if (wait.ended)
        return "error: the editor ended at \"" + line + "\"";
    return wait.answer;
}

std::string Editor::finish()
{
    if (m_child.pid() <= 0)
        return {};
    // The end of its input ends the editor; it has a while to do so.
    m_child.closeInput();
    // A reader still hears it, and answers, while it closes its windows.
    const auto deadline = Clock::now() + Millis(10000);
    struct Wait {
        bool closed = false;
        bool timedOut = false;
    } wait;
    const guint reader = g_unix_fd_add(
        m_child.output(), static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR),
        [](gint fd, GIOCondition, gpointer data) -> gboolean {
            char buffer[256];
            const ssize_t got = read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                return G_SOURCE_CONTINUE;
            if (got > 0)
                return G_SOURCE_CONTINUE;
            static_cast<Wait *>(data)->closed = true;
            return G_SOURCE_REMOVE;
        },
        &wait);
    const guint timer = addDeadline(wait.timedOut, deadline);
    while (!wait.closed && !wait.timedOut)
        g_main_context_iteration(nullptr, TRUE);
    if (!wait.timedOut)
        g_source_remove(timer);
    if (!wait.closed)
        g_source_remove(reader);
    const pid_t pid = m_child.pid();
    int status = 0;
    const bool ended = waitForExit(pid, Millis(remainingMs(deadline)), &status);
    if (!ended) {
        m_child.stop();
        return "the editor did not end at the end of its input";
    }
    m_child.forget();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the editor ended with status " + std::to_string(status);
    return {};
}

// ---- Keyboard ---------------------------------------------------------------

namespace {

constexpr std::uint32_t kAltKeysym = 0xffe9; // Alt_L
constexpr std::uint16_t kAltState = XCB_MOD_MASK_1;

xcb_connection_t *connectionOf(void *x)
{
    return static_cast<xcb_connection_t *>(x);
}

} // namespace

Keyboard::Keyboard(const Desktop &desktop)
{
    xcb_connection_t *x = xcb_connect(desktop.display().c_str(), nullptr);
    m_x = x;
    if (xcb_connection_has_error(x)) {
        m_error = "no connection to the display " + desktop.display();
        return;
    }
    m_root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    // The server stamps the news of a change to a property of a window of
    // ours with its time.
    m_window = xcb_generate_id(x);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(x, XCB_COPY_FROM_PARENT, m_window, m_root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, m_window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    xcb_flush(x);
    const auto deadline = Clock::now() + Millis(5000);
    while (m_startedAt == 0 && !xcb_connection_has_error(x)) {
        xcb_generic_event_t *event = xcb_poll_for_event(x);
        if (!event) {
            pollfd watch{xcb_get_file_descriptor(x), POLLIN, 0};
            if (poll(&watch, 1, remainingMs(deadline)) <= 0)
                break;
            continue;
        }
        if ((event->response_type & ~0x80) == XCB_PROPERTY_NOTIFY)
            m_startedAt = reinterpret_cast<xcb_property_notify_event_t *>(event)->time;
        std::free(event);
    }
    m_started = std::chrono::steady_clock::now();
    if (m_startedAt == 0)
        m_error = "the X server did not tell its time";
}

Keyboard::~Keyboard()
{
    if (m_x)
        xcb_disconnect(connectionOf(m_x));
}

std::uint32_t Keyboard::now()
{
    const auto since =
        std::chrono::duration_cast<Millis>(std::chrono::steady_clock::now() - m_started);
    return m_startedAt + static_cast<std::uint32_t>(since.count());
}

std::uint8_t Keyboard::codeOf(std::uint32_t keysym)
{
    xcb_connection_t *x = connectionOf(m_x);
    const xcb_setup_t *setup = xcb_get_setup(x);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t *mapping = xcb_get_keyboard_mapping_reply(
        x, xcb_get_keyboard_mapping(x, setup->min_keycode, static_cast<std::uint8_t>(count)),
        nullptr);
    if (!mapping)
        return 0;
    const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(mapping);
    const int perCode = mapping->keysyms_per_keycode;
    std::uint8_t code = 0;
    for (int k = 0; k < count * perCode && code == 0; ++k) {
        if (keysyms[k] == keysym)
            code = static_cast<std::uint8_t>(setup->min_keycode + k / perCode);
    }
    std::free(mapping);
    return code;
}

std::string Keyboard::send(bool press, std::uint8_t code, std::uint16_t state, std::uint32_t at)
{
    xcb_connection_t *x = connectionOf(m_x);
    xcb_get_input_focus_reply_t *focus =
        xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr);
    const xcb_window_t window = focus ? focus->focus : XCB_NONE;
    std::free(focus);
    if (window == XCB_NONE || window == XCB_INPUT_FOCUS_POINTER_ROOT)
        return "no window has the keyboard focus";
    xcb_key_press_event_t event{};
    event.response_type = press ? XCB_KEY_PRESS : XCB_KEY_RELEASE;
    event.detail = code;
    event.time = at;
    event.root = m_root;
    event.event = window;
    event.child = XCB_NONE;
    event.state = state;
    event.same_screen = 1;
    xcb_send_event(x, 0, window, XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(x);
    return xcb_connection_has_error(x) ? "the connection to X broke" : "";
}

std::string Keyboard::hold(std::uint32_t keysym, bool alt, Millis time)
{
    if (!m_error.empty())
        return m_error;
    const std::uint8_t code = codeOf(keysym);
    const std::uint8_t altCode = alt ? codeOf(kAltKeysym) : 0;
    if (code == 0 || (alt && altCode == 0))
        return "the keyboard has no such key";
    const std::uint16_t state = alt ? kAltState : 0;
    // Hears the news meanwhile, as a reader does.
    const auto wait = [](Millis span) {
        const auto until = Clock::now() + span;
        while (Clock::now() < until) {
            drainEvents();
            std::this_thread::sleep_for(Millis(2));
        }
    };
    std::string failed = alt ? send(true, altCode, 0, now()) : "";
    if (failed.empty())
        failed = send(true, code, state, now());
    const auto end = Clock::now() + time;
    wait(Millis(250));
    while (failed.empty() && Clock::now() < end) {
        const std::uint32_t at = now();
        failed = send(false, code, state, at);
        wait(Millis(15));
        if (failed.empty())
            failed = send(true, code, state, at);
        wait(Millis(25));
    }
    if (failed.empty())
        failed = send(false, code, state, now());
    if (failed.empty() && alt)
        failed = send(false, altCode, state, now());
    return failed;
}

// ---- Listener ---------------------------------------------------------------

Listener::Listener(const Desktop &desktop, const std::vector<std::string> &events, bool readNames)
    : m_readNames(readNames), m_events(events)
{
    m_error = startAtspi(desktop.accessibilityBus());
    if (!m_error.empty())
        return;
    AtspiEventListener *listener = atspi_event_listener_new(&Listener::onEvent, this, nullptr);
    m_listener = listener;
    for (const std::string &type : events) {
        GError *error = nullptr;
        if (!atspi_event_listener_register(listener, type.c_str(), &error)) {
            m_error = "registering for " + type + ": " + (error ? error->message : "failed");
            if (error)
                g_error_free(error);
            return;
        }
    }
}

Listener::~Listener()
{
    if (auto *listener = static_cast<AtspiEventListener *>(m_listener)) {
        for (const std::string &type : m_events)
            atspi_event_listener_deregister(listener, type.c_str(), nullptr);
        g_object_unref(listener);
    }
    drainEvents();
    for (AtspiAccessible *known : m_known)
        g_object_unref(known);
}

void Listener::onEvent(AtspiEvent *event, void *data)
{
    auto *self = static_cast<Listener *>(data);
    Heard heard;
    heard.type = event->type ? event->type : "";
    heard.source = pathOf(event->source);
    heard.detail1 = event->detail1;
    GValue *any = &event->any_data;
    if (G_VALUE_HOLDS_STRING(any)) {
        heard.hasText = true;
        const char *text = g_value_get_string(any);
        heard.text = text ? text : "";
    } else if (G_VALUE_HOLDS(any, ATSPI_TYPE_RECT)) {
        if (const auto *box = static_cast<const AtspiRect *>(g_value_get_boxed(any))) {
            heard.hasBox = true;
            heard.x = box->x;
            heard.y = box->y;
            heard.width = box->width;
            heard.height = box->height;
        }
    } else if (G_VALUE_HOLDS(any, ATSPI_TYPE_ACCESSIBLE)) {
        auto *object = static_cast<AtspiAccessible *>(g_value_get_object(any));
        heard.object = pathOf(object);
        if (object && heard.type.rfind("object:children-changed", 0) == 0) {
            heard.child = heard.object;
            self->m_known.push_back(static_cast<AtspiAccessible *>(g_object_ref(object)));
            if (self->m_readNames && heard.type == "object:children-changed:add") {
                gchar *name = atspi_accessible_get_name(object, nullptr);
                heard.childName = name ? name : "";
                g_free(name);
            }
        }
    }
    if (event->source)
        self->m_known.push_back(static_cast<AtspiAccessible *>(g_object_ref(event->source)));
    self->m_heard.push_back(std::move(heard));
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

AtspiAccessible *Listener::find(const std::string &path) const
{
    for (AtspiAccessible *known : m_known) {
        if (pathOf(known) == path)
            return known;
    }
    return nullptr;
}

std::string Listener::nameOf(const std::string &path) const
{
    AtspiAccessible *object = find(path);
    gchar *name = object ? atspi_accessible_get_name(object, nullptr) : nullptr;
    std::string text = name ? name : "";
    g_free(name);
    return text;
}

std::string Listener::parentOf(const std::string &path) const
{
    AtspiAccessible *object = find(path);
    AtspiAccessible *parent = object ? atspi_accessible_get_parent(object, nullptr) : nullptr;
    std::string parentPath = pathOf(parent);
    if (parent)
        g_object_unref(parent);
    return parentPath;
}

int Listener::indexInParent(const std::string &path) const
{
    AtspiAccessible *object = find(path);
    return object ? atspi_accessible_get_index_in_parent(object, nullptr) : -1;
}

namespace {

// The first push button of that name at or below the accessible, depth
// first; null when there is none or the time ran out. Each question to the
// program waits no longer than what is left of the time.
AtspiAccessible *findButton(AtspiAccessible *at, const std::string &name,
                            Clock::time_point deadline)
{
    const int left = remainingMs(deadline);
    if (left <= 0)
        return nullptr;
    atspi_set_timeout(left, kCallTimeoutMs);
    if (atspi_accessible_get_role(at, nullptr) == ATSPI_ROLE_PUSH_BUTTON) {
        gchar *text = atspi_accessible_get_name(at, nullptr);
        const bool named = text && name == text;
        g_free(text);
        if (named)
            return static_cast<AtspiAccessible *>(g_object_ref(at));
    }
    const gint count = atspi_accessible_get_child_count(at, nullptr);
    AtspiAccessible *found = nullptr;
    for (gint i = 0; i < count && !found && remainingMs(deadline) > 0; ++i) {
        if (AtspiAccessible *child = atspi_accessible_get_child_at_index(at, i, nullptr)) {
            found = findButton(child, name, deadline);
            g_object_unref(child);
        }
    }
    return found;
}

} // namespace

std::string Listener::press(const Editor &editor, const std::string &button, Millis timeout)
{
    const auto deadline = Clock::now() + timeout;
    AtspiAccessible *app = application(editor.pid());
    if (!app)
        return "the editor is not on the desktop";
    AtspiAccessible *found = findButton(app, button, deadline);
    std::string failed;
    AtspiAction *action = found ? atspi_accessible_get_action_iface(found) : nullptr;
    if (!found)
        failed =
            "no push button \"" + button + "\" within " + std::to_string(timeout.count()) + " ms";
    else if (!action)
        failed = "\"" + button + "\" takes no actions";
    GError *error = nullptr;
    const gint actions = action ? atspi_action_get_n_actions(action, &error) : 0;
    gint press = -1;
    for (gint i = 0; i < actions && press < 0 && !error; ++i) {
        gchar *name = atspi_action_get_action_name(action, i, &error);
        if (name && std::strcmp(name, "Press") == 0)
            press = i;
        g_free(name);
    }
    if (action && failed.empty() && !error && press < 0)
        failed = "\"" + button + "\" has no action Press";
    if (press >= 0 && !error) {
        atspi_set_timeout(std::max(remainingMs(deadline), 1), kCallTimeoutMs);
        if (!atspi_action_do_action(action, press, &error) && !error)
            failed = "\"" + button + "\" refused Press";
    }
    if (error) {
        failed = "\"" + button + "\": " + error->message;
        g_error_free(error);
    }
    atspi_set_timeout(kCallTimeoutMs, kCallTimeoutMs);
    if (action)
        g_object_unref(action);
    if (found)
        g_object_unref(found);
    return failed;
}

AtspiAccessible *Listener::application(pid_t pid)
{
    AtspiAccessible *desktop = atspi_get_desktop(0);
    if (!desktop)
        return nullptr;
    AtspiAccessible *found = nullptr;
    const gint count = atspi_accessible_get_child_count(desktop, nullptr);
    for (gint i = 0; i < count && !found; ++i) {
        AtspiAccessible *app = atspi_accessible_get_child_at_index(desktop, i, nullptr);
        if (!app)
            continue;
        if (static_cast<pid_t>(atspi_accessible_get_process_id(app, nullptr)) == pid)
            found = app;
        else
            g_object_unref(app);
    }
    g_object_unref(desktop);
    if (found)
        m_known.push_back(found);
    return found;
}

std::string Listener::catchUp(const Editor &editor)
{
    AtspiAccessible *app = application(editor.pid());
    if (!app)
        return "the editor is not on the desktop";
    // A question the bridge answers itself, on the program's main thread:
    // its reply leaves after every signal the program sent before it.
    DBusConnection *bus = atspi_get_a11y_bus();
    DBusMessage *question =
        dbus_message_new_method_call(ATSPI_OBJECT(app)->app->bus_name, ATSPI_OBJECT(app)->path,
                                     "org.freedesktop.DBus.Properties", "Get");
    const char *interface = "org.a11y.atspi.Accessible";
    const char *property = "ChildCount";
    dbus_message_append_args(question, DBUS_TYPE_STRING, &interface, DBUS_TYPE_STRING, &property,
                             DBUS_TYPE_INVALID);
    DBusError error;
    dbus_error_init(&error);
    DBusMessage *reply = dbus_connection_send_with_reply_and_block(bus, question, 30000, &error);
    dbus_message_unref(question);
    std::string failed;
    if (!reply) {
        failed = std::string("the editor did not answer: ") +
                 (dbus_error_is_set(&error) ? error.message : "no reply");
        dbus_error_free(&error);
        return failed;
    }
    dbus_message_unref(reply);
    drainEvents();
    return {};
}

std::vector<Heard> Listener::take()
{
    drainEvents();
    return std::exchange(m_heard, {});
}

std::vector<std::string> Listener::takeWarnings()
{
    drainEvents();
    const std::lock_guard lock(g_warningsLock);
    return std::exchange(g_warnings, {});
}

void drainEvents()
{
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
}

} // namespace tessavo::test::realbridge
