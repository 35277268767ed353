#pragma once

#include <QString>
#include <memory>
#include <vector>

class AppContext;
class Screen;
class TFrmMain;

// The program's screens, created once in their fixed order with the main menu
// first, alive until the program ends. Every screen reaches another through
// this one instance of each.
class Screens {
public:
    explicit Screens(AppContext &context);
    ~Screens();
    Screens(const Screens &) = delete;
    Screens &operator=(const Screens &) = delete;

    TFrmMain &main() const { return *m_main; }
    // The screen whose object name (class name) is given; nullptr if none.
    Screen *byName(const QString &name) const;
    template <typename T> T &get() const
    {
        for (const auto &screen : m_all) {
            if (auto *found = dynamic_cast<T *>(screen.get()))
                return *found;
        }
        std::abort();
    }
    const std::vector<std::unique_ptr<Screen>> &all() const { return m_all; }

private:
    std::vector<std::unique_ptr<Screen>> m_all;
    TFrmMain *m_main = nullptr;
};
