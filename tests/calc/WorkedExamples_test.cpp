// The manual's numbers against the program: every number the manual marks is read from its pages
// and compared with the worked example jobs, their calculated moves as the result lines show them,
// the tolerance table and the rules the manual states. An edit of either side fails here.

#include "project/WorkedExamples.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "MethodTestSupport.h"
#include "calc/graph/ToleranceBand.h"
#include "calc/judging/ReadingsCheck.h"
#include "calc/judging/Verdict.h"
#include "project/RimFaceSag.h"

namespace corvane {
namespace {

// The marked numbers of one page: <span data-n="key">text</span>.
std::map<std::string, std::string> markedNumbers(const char* page) {
    std::ifstream in(std::string(CORVANE_FIXTURES) + "/../../ui/help/manual/" + page);
    std::stringstream html;
    html << in.rdbuf();
    const std::string text = html.str();
    EXPECT_FALSE(text.empty()) << page;
    std::map<std::string, std::string> numbers;
    const std::regex marked("<span data-n=\"([A-Za-z0-9_.]+)\">([^<]*)</span>");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), marked); it != std::sregex_iterator(); ++it)
        numbers[(*it)[1]] = (*it)[2];
    return numbers;
}

// A number as the manual writes it: "&minus;" or "-" for minus.
double valueOf(const std::string& text) {
    return std::stod(std::regex_replace(text, std::regex("&minus;"), "-"));
}

std::string squeezed(const std::string& text) { return std::regex_replace(text, std::regex(" +"), " "); }

// The two lines of a result label, each from its number on ("11.00 mils DOWN"), spaces squeezed.
std::vector<std::string> moveTexts(const std::string& label) {
    std::vector<std::string> out;
    const std::regex move("move +([^\r\n]*[^\r\n ])");
    for (auto it = std::sregex_iterator(label.begin(), label.end(), move); it != std::sregex_iterator(); ++it)
        out.push_back(squeezed((*it)[1]));
    return out;
}

TEST(WorkedExamples, TheManualShowsWhatTheProgramWorksOut) {
    const auto n = markedNumbers("examples.html");
    const struct {
        const char* prefix;
        int method;
        int lengths;  // A, B, ...
    } examples[] = {{"rd", kMethodReverseDial, 5}, {"rf", kMethodRimFace, 2}, {"js", kMethodJackShaft, 3}};
    for (const auto& e : examples) {
        SCOPED_TRACE(e.prefix);
        const std::string p = std::string(e.prefix) + ".";
        const auto at = [&](const std::string& key) {
            const auto it = n.find(p + key);
            EXPECT_NE(it, n.end()) << p + key;
            return it == n.end() ? std::string("?") : it->second;
        };
        const WorkedExample ex = workedExample(e.method);
        const ProjectRecord& r = ex.record;
        const int m = e.method;
        for (int i = 0; i < e.lengths; ++i)
            EXPECT_EQ(valueOf(at(std::string(1, char('A' + i)))), r.length(m, i));
        for (int pos = 0; pos < 4; ++pos) {
            EXPECT_EQ(valueOf(at("d1." + std::to_string(pos))), r.dial1(m, pos));
            EXPECT_EQ(valueOf(at("d2." + std::to_string(pos))), r.dial2(m, pos));
        }
        if (m != kMethodJackShaft) {
            EXPECT_EQ(valueOf(at("sag")), m == kMethodRimFace ? rimFaceSag(r) : r.Sag);
        }
        if (m != kMethodReverseDial) {
            EXPECT_EQ(valueOf(at("dia")), m == kMethodRimFace ? r.FaceDia1 : r.FaceDia2);
        }

        // The example's readings pass the check the manual tells the reader to make.
        CalcOptions options = calcOptionsFor(ex.view, 0, {-100, 100}, {-100, 100});
        EXPECT_TRUE(checkReadings(r, options).empty());
        const CalcResult result = calcAlignment(r, options);
        ASSERT_EQ(result.status, CalcStatus::Result);
        const std::vector<std::string> vertical = moveTexts(result.verticalText);
        const std::vector<std::string> horizontal = moveTexts(result.horizontalText);
        ASSERT_EQ(vertical.size(), 2u);
        ASSERT_EQ(horizontal.size(), 2u);
        for (int foot = 0; foot < 2; ++foot) {
            EXPECT_EQ(at("v" + std::to_string(foot)), vertical[static_cast<std::size_t>(foot)]);
            EXPECT_EQ(at("h" + std::to_string(foot)), horizontal[static_cast<std::size_t>(foot)]);
        }
    }
}

TEST(WorkedExamples, TheManualsToleranceTableAndRulesAreTheProgramsOwn) {
    const auto n = markedNumbers("tolerances.html");
    for (const ToleranceRow& row : kToleranceRows) {
        const std::string p = "tol." + std::to_string(row.rpm) + ".";
        const std::pair<const char*, double> cells[] = {
            {"rpm", row.rpm},
            {"offsetExcellent", row.offsetExcellent},
            {"offsetAcceptable", row.offsetAcceptable},
            {"angleExcellent", row.angleExcellent},
            {"angleAcceptable", row.angleAcceptable},
            {"spacerExcellent", row.spacerExcellent},
            {"spacerAcceptable", row.spacerAcceptable},
        };
        for (const auto& [key, value] : cells) {
            ASSERT_TRUE(n.count(p + key)) << p + key;
            EXPECT_EQ(valueOf(n.at(p + key)), value) << p + key;
        }
    }
    // The band's half height: span x factor / rpm. One inch at one rpm is the factor itself.
    ASSERT_TRUE(n.count("band.factor"));
    EXPECT_EQ(calcTolerance(1, 1), valueOf(n.at("band.factor")));

    // The least allowance of the validity rule: sums that far apart pass, a little more does not.
    const auto r = markedNumbers("readings.html");
    ASSERT_TRUE(r.count("valid.least"));
    const double least = valueOf(r.at("valid.least"));
    const auto findingsWith = [](double nineOClock) {
        const methodtest::Job j = methodtest::job(kMethodRimFace, [=](ProjectRecord& r, CalcOptions&) {
            methodtest::readings(r, kMethodRimFace, {0, 2, 2, static_cast<float>(nineOClock)}, {0, 0, 0, 0});
        });
        return checkReadings(j.record, j.options).size();
    };
    EXPECT_EQ(findingsWith(least), 0u);
    EXPECT_EQ(findingsWith(least + 0.01), 1u);
}

}  // namespace
}  // namespace corvane
