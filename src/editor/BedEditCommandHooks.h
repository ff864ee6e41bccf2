#pragma once
// The hooks around the component's commands: each sees a command before it runs (and may
// handle it, so that it doesn't run) and after. Qt-free.
#include "BedEditKeyStrokes.h"

#include <functional>
#include <vector>

class TCustomBedEdit;

// (sender, afterProcessing, handled, command, ch, data, hookData)
using TBedHookedCommandEvent =
    std::function<void(TCustomBedEdit&, bool, bool&, TBedEditorCommand&, char&, void*, void*)>;

class TBedEditCommandHooks {
public:
    // Returns an id for Remove.
    int Add(TBedHookedCommandEvent hook, void* hookData) {
        hooks_.push_back({nextId_, std::move(hook), hookData});
        return nextId_++;
    }
    void Remove(int id) {
        std::erase_if(hooks_, [id](const THook& h) { return h.id == id; });
    }

    // Runs `execute` on the command between the hooks; a command a hook handled becomes ecNone
    // for `execute` and the hooks after it. Returns the command as it was run.
    template <class Execute>
    TBedEditorCommand Around(TCustomBedEdit& sender, TBedEditorCommand command, char ch, void* data,
                             Execute execute) const {
        // A hook may remove itself or others while it runs: walk a copy.
        const std::vector<THook> hooks = hooks_;
        bool handled = false;
        for (const THook& h : hooks) {
            bool hookHandled = false;
            h.hook(sender, false, hookHandled, command, ch, data, h.data);
            handled = handled || hookHandled;
        }
        if (handled) command = ecNone;
        execute(command);
        for (const THook& h : hooks) {
            bool hookHandled = false;
            h.hook(sender, true, hookHandled, command, ch, data, h.data);
        }
        return command;
    }

private:
    struct THook {
        int id;
        TBedHookedCommandEvent hook;
        void* data;
    };
    std::vector<THook> hooks_;
    int nextId_ = 1;
};
