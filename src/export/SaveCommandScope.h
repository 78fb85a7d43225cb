#pragma once
// One save command at a time: the platform's file dialog must not be opened
// again from inside its own loop, so a save command that arrives while another
// one runs is ignored.

namespace exports { // the folder's name, "export", is a keyword of C++

class SaveCommandScope {
  public:
    SaveCommandScope() noexcept : entered(!running) { running = true; }
    ~SaveCommandScope() {
        if (entered) {
            running = false;
        }
    }
    SaveCommandScope(const SaveCommandScope&) = delete;
    SaveCommandScope& operator=(const SaveCommandScope&) = delete;

    // False when another save command is running.
    bool Entered() const noexcept { return entered; }

  private:
    bool entered;
    static inline bool running = false;
};

} // namespace exports
