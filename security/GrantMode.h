#pragma once

// Whether a statement gives a privilege or a role, or takes it back: the
// first or the second item of the screen's operation radio group.
enum class GrantMode { Grant, Revoke };

inline GrantMode grantModeOf(int radioItem)
{
    return radioItem == 1 ? GrantMode::Revoke : GrantMode::Grant;
}
