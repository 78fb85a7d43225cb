#pragma once
// One save command at a time: the platform's file dialog must not be opened
// again from inside its own loop, so a save command that arrives while another
// one runs is ignored.

namespace exports {

class SaveCommandScope {
  public:
    SaveCommandScope() noexcept : entered_(!running) { running = true; }
    ~SaveCommandScope() {
        if (entered_) {
            running = false;
        }
    }
    SaveCommandScope(const SaveCommandScope&) = delete;
    SaveCommandScope& operator=(const SaveCommandScope&) = delete;

    // False when another save command is running.
    bool Entered() const noexcept { return entered_; }

  private:
    bool entered_;
    static inline bool running = false;
};

} // namespace exports
