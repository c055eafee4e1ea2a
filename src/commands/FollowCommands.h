#pragma once

// Following a data file that another program (an instrument's) is still
// writing: File / "&Follow file..." reads it as File / "&Open" does, and every
// update after that reads the lines the file gained.

#include "commands/Workspace.h"

#include <functional>
#include <memory>
#include <string>

class FileFollower;

// Options / "Autoscale while following": the axes autoscaled with every read.
enum class FollowScaling { KeepRanges, Autoscale };

// The file being followed, and the watch over the user's commands: a command
// that changes the points of any set ends following (so that no update can
// overwrite what the user did), and so does a file read of any kind. Other
// changes (labels, ranges, switches, the current set) leave it running.
class Following : public CommandObserver {
public:
    Following();
    ~Following() override;
    Following(const Following&) = delete;
    Following& operator=(const Following&) = delete;

    bool active() const { return follower_ != nullptr; }
    // The file followed as given, and its name without the directory.
    const std::string& path() const { return path_; }
    std::string fileName() const;

    // Ends following; nothing happens when it is not active.
    void stop();

    // Told when a command ended following: with the message for the user
    // when the command changed the data, with an empty text when it read a
    // file. Not told of stop().
    void setStoppedHandler(std::function<void(const std::string& message)> handler)
    {
        stopped_ = std::move(handler);
    }

    void commandStarting(CommandId id, std::span<const std::string_view> arguments, const DataStore& store) override;
    void commandFinished(CommandId id, std::span<const std::string_view> arguments, const Outcome& outcome,
                         const DataStore& store) override;

    // The commands below start following with a reader that has read the
    // file, and look at the file through it.
    void follow(std::unique_ptr<FileFollower> follower, std::string path);
    FileFollower* follower() { return follower_.get(); }

private:
    struct Points;
    std::unique_ptr<FileFollower> follower_;
    std::string path_;
    std::unique_ptr<Points> before_; // the points as the running command found them
    bool pointsTaken_ = false;
    std::function<void(const std::string&)> stopped_;
};

namespace commands {

// Lets `following` hear every command of the workspace.
void attachFollowing(Workspace& ws, Following& following);

// File / "&Follow file...": ends any following, reads the complete lines of
// `path` from set 1 on as File / "&Open" does (then autoscales, with
// FollowScaling::Autoscale), shows the current set and follows the file.
// A failed read changes nothing and follows nothing. The read and all the
// updates after it, up to the next other command, are one undo step.
Outcome followFile(Workspace& ws, Following& following, const std::string& path, FollowScaling scaling);

// One look at the file followed. When it gained complete lines, or shrank or
// was replaced (then it is read again from the start), the sets become what
// File / "&Open" of its complete lines gives, unsavedChanges is false and the
// current set is shown (setShown); otherwise the look is refused silently
// and no command runs. A failure ends following.
Outcome followUpdate(Workspace& ws, Following& following, FollowScaling scaling);

} // namespace commands
