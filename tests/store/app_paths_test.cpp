#include "store/app_paths.h"

#include <gtest/gtest.h>

namespace torvane::store {
namespace {

// XDG_DATA_HOME counts only as an absolute path; without a usable HOME either there is no
// per-user folder at all, rather than one at the root.
TEST(DataHome, FollowsTheXdgRules) {
    struct Case {
        const char* xdg; // null: unset
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/data/xdg", "/home/ann", "/data/xdg"},
        {"/data/xdg/", "/home/ann", "/data/xdg"},
        {nullptr, "/home/ann", "/home/ann/.local/share"},
        {"", "/home/ann", "/home/ann/.local/share"},
        {"relative/xdg", "/home/ann", "/home/ann/.local/share"},
        {"relative/xdg", nullptr, ""},
        {nullptr, "", ""},
        {nullptr, "home/ann", ""},
        {"/data/xdg", nullptr, "/data/xdg"},
    };
    const auto set = [](const char* variable, const char* value) {
        value == nullptr ? qunsetenv(variable) : qputenv(variable, value);
    };
    const QByteArray oldXdg = qgetenv("XDG_DATA_HOME"), oldHome = qgetenv("HOME");
    const bool hadXdg = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    for (const Case& c : cases) {
        set("XDG_DATA_HOME", c.xdg);
        set("HOME", c.home);
        EXPECT_EQ(dataHome(), QString::fromLatin1(c.expected))
            << (c.xdg ? c.xdg : "-") << ", " << (c.home ? c.home : "-");
    }
    set("XDG_DATA_HOME", hadXdg ? oldXdg.constData() : nullptr);
    set("HOME", oldHome.constData());
}

} // namespace
} // namespace torvane::store
