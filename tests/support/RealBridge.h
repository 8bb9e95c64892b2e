#pragma once

// A desktop of its own in which a test or the benchmark listens to the plan
// editor as a screen reader does: a virtual X display, a private session
// bus, the accessibility bus with the AT-SPI registry on it, the editor in a
// child process (EditorDriver) with Qt's AT-SPI bridge, and a listener in
// this process through libatspi.
//
// Every wait is for a handshake (a line a program writes when it is ready,
// a bus name taken, a reply) and ends with a failure after its time runs
// out. Every process started here is in a process group of its own, ends
// when this process ends, and is ended with its group when its owner goes,
// on failure too.

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

typedef struct _AtspiAccessible AtspiAccessible;
typedef struct _AtspiEvent AtspiEvent;

namespace tessavo::test::realbridge {

using Millis = std::chrono::milliseconds;

// A process started by the harness.
class Child {
public:
    Child() = default;
    ~Child() { stop(); }
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;

    // Starts the program with the variables added to this process's own. With
    // pipes, its standard input and output are ours to write and read; its
    // standard error stays ours too. handshakeFd: a descriptor of the child
    // that writes to handshake() (its ready line, its address); it also
    // reads as closed once the child is gone.
    bool start(const std::vector<std::string> &argv, const std::vector<std::string> &environment,
               bool pipes, int handshakeFd, std::string *error);
    // Ends the process group: a terminate, then a kill after a short while.
    void stop();
    // For a process that has ended and was waited for: what is left of its
    // group goes.
    void forget();

    pid_t pid() const { return m_pid; }
    int input() const { return m_in; }
    void closeInput();
    int output() const { return m_out; }
    int handshake() const { return m_handshake; }

private:
    pid_t m_pid = -1;
    int m_in = -1;
    int m_out = -1;
    int m_handshake = -1;
};

// Reads one line from fd within the time; false with the reason otherwise
// (the time ran out, or the writer went without a line).
bool readLine(int fd, Millis timeout, std::string *line, std::string *error);

// X, the session bus, and the AT-SPI bus launcher with the accessibility
// bus and the registry it starts.
class Desktop {
public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop &) = delete;
    Desktop &operator=(const Desktop &) = delete;

    // Empty when everything is up; else what failed.
    std::string start(Millis timeout = Millis(20000));

    // The variables of a program on this desktop; with the bridge, Qt's
    // AT-SPI bridge is on.
    std::vector<std::string> environment(bool bridge) const;
    const std::string &accessibilityBus() const { return m_a11yAddress; }
    const std::string &display() const { return m_display; }

private:
    std::string m_folder;
    std::string m_display;
    std::string m_sessionAddress;
    std::string m_a11yAddress;
    Child m_x;
    Child m_session;
    Child m_launcher; // with the accessibility bus and the registry
};

// The plan editor in a child process, driven step by step.
class Editor {
public:
    Editor() = default;
    ~Editor();
    Editor(const Editor &) = delete;
    Editor &operator=(const Editor &) = delete;

    // Empty when it is up, the bridge with it if asked for; else what failed.
    std::string start(const Desktop &desktop, bool bridge, Millis timeout = Millis(20000));
    // Sends one step and waits for its answer, hearing meanwhile what a
    // listener hears; the answer, or "error: " and what went wrong.
    std::string step(const std::string &line, Millis timeout = Millis(20000));
    // Ends the editor by the end of its input; empty when it ended well,
    // else how it ended.
    std::string finish();
    pid_t pid() const { return m_child.pid(); }

private:
    Child m_child;
};

// Keys typed on the desktop: key events sent, as X sends them, to the window
// that has the keyboard focus, from this process.
class Keyboard {
public:
    explicit Keyboard(const Desktop &desktop);
    ~Keyboard();
    Keyboard(const Keyboard &) = delete;
    Keyboard &operator=(const Keyboard &) = delete;

    // Empty when connected; else what failed.
    const std::string &error() const { return m_error; }

    // Holds down the key of that keysym for the time, within Alt if asked:
    // its press, then after a quarter of a second a repeat every 40 ms, a
    // release and a press at one moment, then its release. The press of
    // each repeat comes a little after its release, as the toolkit now and
    // then finds it: not yet come in when it handles the release. Empty, or
    // what failed.
    std::string hold(std::uint32_t keysym, bool alt, Millis time);

private:
    std::string send(bool press, std::uint8_t code, std::uint16_t state, std::uint32_t at);
    std::uint8_t codeOf(std::uint32_t keysym);
    // The X server's time now, in milliseconds, as its events carry it.
    std::uint32_t now();

    std::string m_error;
    void *m_x = nullptr; // xcb_connection_t
    std::uint32_t m_root = 0;
    std::uint32_t m_window = 0; // ours, whose property changes tell the time
    std::uint32_t m_startedAt = 0;
    std::chrono::steady_clock::time_point m_started;
};

// One piece of news a listener heard.
struct Heard {
    std::string type;   // as AT-SPI names it, e.g. "object:children-changed:add"
    std::string source; // the object path of the source
    std::string child;  // children-changed: the object path of the child
    std::string childName;
    int detail1 = 0;
    // What the news carries: a text (a new name), a box (bounds), or an
    // object (its path), or nothing of these.
    std::string text;
    bool hasText = false;
    bool hasBox = false;
    int x = 0, y = 0, width = 0, height = 0;
    std::string object;
};

// A listener for AT-SPI events in this process, registered as a screen
// reader registers, for as long as it lives. Only one lives at a time.
class Listener {
public:
    // readNames: asks the program for each new child's name as it is heard,
    // as a reader does; costs the program a reply per child.
    Listener(const Desktop &desktop, const std::vector<std::string> &events, bool readNames);
    ~Listener();
    Listener(const Listener &) = delete;
    Listener &operator=(const Listener &) = delete;

    // Empty when registered; else what failed.
    const std::string &error() const { return m_error; }

    // Waits until every piece of news the editor gave before its last
    // answer has been heard: a question to the editor through the bus, whose
    // reply comes after them, then what is still queued. Empty, or what
    // failed.
    std::string catchUp(const Editor &editor);

    // What was heard since the last take, and the warnings libatspi gave
    // meanwhile (a signal it drops says so).
    std::vector<Heard> take();
    std::vector<std::string> takeWarnings();
    std::size_t heardCount() const { return m_heard.size(); }

    // Questions a reader asks of an object it heard of, by its object path:
    // its name, its parent's path, its place among its parent's children
    // (-1 when it has none or is unknown).
    std::string nameOf(const std::string &path) const;
    std::string parentOf(const std::string &path) const;
    int indexInParent(const std::string &path) const;

    // What a reader's "activate" does to the editor's push button of that
    // name (as a reader reads it: no "&"): finds it among the editor's
    // accessibles and does its action "Press". Empty, or what failed.
    std::string press(const Editor &editor, const std::string &button,
                      Millis timeout = Millis(20000));

private:
    static void onEvent(AtspiEvent *event, void *self);
    // The editor's accessible application, found on the desktop by its
    // process id; null when it is not there.
    AtspiAccessible *application(pid_t pid);
    AtspiAccessible *find(const std::string &path) const;

    std::string m_error;
    bool m_readNames = false;
    std::vector<std::string> m_events;
    void *m_listener = nullptr; // AtspiEventListener
    std::vector<Heard> m_heard;
    std::vector<AtspiAccessible *> m_known; // referenced, by the news
};

// Runs the default main context until nothing is left to do now.
void drainEvents();

} // namespace tessavo::test::realbridge
