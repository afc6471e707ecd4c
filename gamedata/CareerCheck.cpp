// The warnings of GameCheck about career figures and contracts: figures of
// one competition that contradict each other. The game and the editor
// keep such figures as they are; the checks only point them out.
#include "GameCheck.h"

#include "PlayerFields.h"
#include "RecordLayout.h"

#include <array>

namespace GameCheck {
namespace {

using Figures = std::array<std::int64_t, PlayerStats::kStatCount>;

std::int64_t Of(const Figures& figures, Stat stat)
{
    return figures[static_cast<std::size_t>(stat)];
}

std::string Text(std::int64_t value)
{
    return std::to_string(value);
}

// A figure (or a sum of figures) that must not exceed a limit; text says
// why, given both.
struct CareerRule
{
    std::int64_t (*value)(const Figures&);
    std::int64_t (*limit)(const Figures&);
    std::string (*text)(std::int64_t value, std::int64_t limit);
};

constexpr std::int64_t kWicketsInAnInnings = 10;

const CareerRule kCareerRules[] = {
    {[](const Figures& f) { return Of(f, Stat::NotOuts); }, [](const Figures& f) { return Of(f, Stat::Innings); },
        [](std::int64_t v, std::int64_t l) {
            return Text(v) + " not outs in " + Text(l) + " innings: a batsman is not out at most once an innings.";
        }},
    {[](const Figures& f) { return Of(f, Stat::HighScore); }, [](const Figures& f) { return Of(f, Stat::Runs); },
        [](std::int64_t v, std::int64_t l) {
            return "a high score of " + Text(v) + " but " + Text(l) + " runs in all: the high score is part of the runs.";
        }},
    {[](const Figures& f) { return Of(f, Stat::Hundreds) + Of(f, Stat::Fifties); },
        [](const Figures& f) { return Of(f, Stat::Innings); },
        [](std::int64_t v, std::int64_t l) {
            return Text(v) + " hundreds and fifties in " + Text(l) + " innings: an innings makes at most one of them.";
        }},
    {[](const Figures& f) { return Of(f, Stat::Wickets); }, [](const Figures& f) { return Of(f, Stat::Balls); },
        [](std::int64_t v, std::int64_t l) {
            return Text(v) + " wickets from " + Text(l) + " balls: a ball takes at most one wicket.";
        }},
    // The best bowling shows as "wickets-runs": its first figure holds the wickets.
    {[](const Figures& f) { return Of(f, Stat::BestBowling1); }, [](const Figures&) { return kWicketsInAnInnings; },
        [](std::int64_t v, std::int64_t l) {
            return "a best bowling of " + Text(v) + " wickets: an innings has only " + Text(l) + " wickets.";
        }},
    {[](const Figures& f) { return Of(f, Stat::BestBowling1); }, [](const Figures& f) { return Of(f, Stat::Wickets); },
        [](std::int64_t v, std::int64_t l) {
            return "a best bowling of " + Text(v) + " wickets but " + Text(l) + " wickets in all.";
        }},
    {[](const Figures& f) { return Of(f, Stat::FiveWkts); }, [](const Figures& f) { return Of(f, Stat::Matches); },
        [](std::int64_t v, std::int64_t l) {
            return Text(v) + " five-wicket innings but only " + Text(l) + " matches.";
        }},
    {[](const Figures& f) { return Of(f, Stat::TenWkts); }, [](const Figures& f) { return Of(f, Stat::Matches); },
        [](std::int64_t v, std::int64_t l) {
            return Text(v) + " ten-wicket matches but only " + Text(l) + " matches.";
        }},
};

constexpr int kYoungestDebut = 10; // years after the year of birth

constexpr const char* kFixFigures = " Correct the figures in his statistics.";

} // namespace

std::vector<Finding> CheckCareer(const CPlayer& player)
{
    std::vector<Finding> findings;
    auto warn = [&](std::string text) {
        findings.push_back({Severity::Warning, Subject::Player, player.m_nId, std::move(text)});
    };
    for (const Competition competition : PlayerStats::kCompetitions) {
        Figures figures{};
        for (std::size_t i = 0; i < PlayerStats::kStatCount; ++i)
            figures[i] = player.GetStat(competition, PlayerStats::StatAt(i));
        const std::string name = PlayerStats::CompetitionName(competition);
        for (const CareerRule& rule : kCareerRules) {
            const std::int64_t value = rule.value(figures), limit = rule.limit(figures);
            if (value > limit)
                warn(name + ": " + rule.text(value, limit) + kFixFigures);
        }
        const std::int64_t debut = Of(figures, Stat::Debut);
        if (debut != 0 && player.m_dtBirth.valid && debut < player.m_dtBirth.year + kYoungestDebut)
            warn(name + ": a debut in " + Text(debut) + ", before the year he turned " + Text(kYoungestDebut)
                + " (born " + Text(player.m_dtBirth.year) + "). Correct the debut year or the date of birth.");
    }
    const std::int32_t contract = static_cast<std::int32_t>(player.U32(PlayerLayout::nContract));
    if (contract < 0 || contract > PlayerFields::kMaxOfferedContract)
        warn("a contract of " + Text(contract) + " years: the player form offers 0 to "
            + Text(PlayerFields::kMaxOfferedContract) + ". Give him a contract within that range.");
    return findings;
}

} // namespace GameCheck
