#pragma once

// What a command target says about one command id.
struct CommandState
{
    bool handled = false;   // the target carries out this command
    bool enabled = false;
    bool checked = false;

    static CommandState Enabled(bool enabled = true) { return {true, enabled, false}; }
    static CommandState Checked(bool enabled, bool checked) { return {true, enabled, checked}; }
};

// Anything that takes commands by id: the frame, the center container, each view.
class CommandTarget
{
public:
    virtual ~CommandTarget() = default;
    // Carries out the command; false when this target does not handle it.
    virtual bool OnCommand(int id) = 0;
    // Whether the command is handled here, and if so whether it is enabled and checked.
    virtual CommandState UpdateCommand(int id) const = 0;
};
