#include "project/RunOptions.h"

namespace corvane {

RunView viewForRun(const std::string& reservedText, const ViewChoices& asked) {
    RunView run;
    if (const std::optional<ViewOptions> saved = decodeViewOptions(reservedText)) {
        run.view = *saved;
        run.source = OptionsSource::Project;
    }
    if (!asked.any()) return run;
    ViewOptions& v = run.view;
    v.method = asked.method.value_or(v.method);
    v.rotation = asked.rotation.value_or(v.rotation);
    v.bracketSide = asked.bracketSide.value_or(v.bracketSide);
    v.growthOn = asked.growthOn.value_or(v.growthOn);
    v.toleranceOn = asked.toleranceOn.value_or(v.toleranceOn);
    v.autoScale = asked.autoScale.value_or(v.autoScale);
    run.source = OptionsSource::CommandLine;
    return run;
}

std::string_view optionsSourceName(OptionsSource source) {
    switch (source) {
        case OptionsSource::Project:
            return "project";
        case OptionsSource::CommandLine:
            return "command line";
        default:
            return "defaults";
    }
}

}  // namespace corvane
