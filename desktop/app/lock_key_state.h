#pragma once

#include <optional>

struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The lock keys as the window system reports them; nothing where it does not.
std::optional<LockKeys> QueryLockKeys();
