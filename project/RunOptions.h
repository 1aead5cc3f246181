#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "project/ViewOptions.h"

namespace corvane {

// What a command line asks for; a choice left unset keeps the job's own.
struct ViewChoices {
    std::optional<int> method;
    std::optional<int> rotation;
    std::optional<int> bracketSide;
    std::optional<bool> growthOn;
    std::optional<bool> toleranceOn;
    std::optional<bool> autoScale;

    bool any() const { return method || rotation || bracketSide || growthOn || toleranceOn || autoScale; }
};

// Where the options of a run came from: a job with no view kept and nothing asked runs on the
// window's defaults; a job saved from the window runs as it was shown; anything asked for on the
// command line wins over both, for that run only.
enum class OptionsSource { Defaults, Project, CommandLine };

struct RunView {
    ViewOptions view;
    OptionsSource source = OptionsSource::Defaults;
};

// The options a command runs a job with: the view kept in its ReservedText, each choice asked for
// put over it.
RunView viewForRun(const std::string& reservedText, const ViewChoices& asked);

// "defaults", "project", "command line".
std::string_view optionsSourceName(OptionsSource source);

}  // namespace corvane
