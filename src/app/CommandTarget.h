#pragma once

// What a command target says about one command id.
struct CCommandState
{
    bool handled = false;   // the target carries out this command
    bool enabled = false;
    bool checked = false;

    static CCommandState Enabled(bool enabled = true) { return {true, enabled, false}; }
    static CCommandState Checked(bool enabled, bool checked) { return {true, enabled, checked}; }
};

// Anything that takes commands by id: the frame, the center container, each view.
class CCommandTarget
{
public:
    virtual ~CCommandTarget() = default;
    // Carries out the command; false when this target does not handle it.
    virtual bool OnCommand(int id) = 0;
    // Whether the command is handled here, and if so whether it is enabled and checked.
    virtual CCommandState UpdateCommand(int id) const = 0;
};
