#include "NameGenerator.h"

namespace testgame {
namespace {

const std::vector<std::string> kGivenNames = {
    "Alaric", "Bram", "Caspar", "Dorian", "Edwin", "Felix", "Gideon", "Hal", "Ivo", "Jasper",
    "Kit", "Lucan", "Milo", "Nico", "Oren", "Piers", "Rafe", "Silas", "Tobin", "Ulric",
    "Vaughn", "Wystan", "Yorick", "Arjun", "Devan", "Ishan", "Kiran", "Rohan", "Tarun", "Vikram",
    "Kofi", "Tendai", "Jabari", "Themba", "Liam", "Declan", "Rhys", "Owain", "Callum", "Fergus",
    "Hamish", "Ewan", "Matthias", "Anders", "Lorcan", "Brendan", "Cormac", "Dylan", "Marcus", "Julian",
    "Andr\xE9", "J\xE9r\xF4me", "S\xF8ren", "Bj\xF6rn", "Ren\xE9", "Zo\xEBl",
};

const std::vector<std::string> kFamilyStarts = {
    "Ald", "Brack", "Carn", "Dun", "Elm", "Fen", "Gar", "Hollin", "Ire", "Kel", "Lang", "Marl",
    "Nor", "Orm", "Pen", "Quarn", "Rath", "Stav", "Thorn", "Ulver", "Wex", "Yar", "Brin", "Cal",
    "Dray", "Esk", "Frith", "Glen", "Hask", "Inver", "Jess", "Kirr", "Lind", "Mab", "Nesh", "Oak",
    "Pask", "Redd", "Sedg", "Tarr", "Vell", "Whin", "Aver", "Bex", "Coll", "Drum", "Ferr", "Gower",
};

const std::vector<std::string> kFamilyEnds = {
    "worth", "by", "ridge", "stone", "field", "wick", "ham", "ford", "hurst", "more", "dale",
    "croft", "ley", "ton", "well", "mere", "gate", "combe", "shaw", "thorpe", "den", "holt",
    "brook", "lock", "er", "ington", "en", "ott", "ard", "ick",
};

const std::vector<std::string> kFamilyPrefixes = {"Mac", "O'", "Van der ", "De ", "St. "};

const std::vector<std::string> kVenueWords = {
    "Oval", "Park", "Green", "Meadow", "Ground", "Fields", "Bowl", "Stadium", "Common", "Pavilion",
};

} // namespace

const std::vector<TeamIdentity>& InventedTeams()
{
    static const std::vector<TeamIdentity> kTeams = {
        {"Republic of Valdoria", "Valdoria", "VAL", {28, 62, 140}, {240, 200, 40}},
        {"Kestermark", "Kestermark", "KES", {150, 20, 40}, {250, 250, 250}},
        {"Oronsay Isles", "Oronsay", "ORO", {20, 120, 80}, {250, 220, 60}},
        {"Brenholt", "Brenholt", "BRE", {230, 120, 20}, {30, 30, 60}},
        {"Calvaro", "Calvaro", "CAL", {90, 40, 130}, {230, 230, 230}},
        {"Drummelin Federation", "Drummelin", "DRU", {0, 110, 160}, {255, 255, 255}},
        {"Estravia", "Estravia", "EST", {200, 30, 30}, {20, 20, 20}},
        {"Farrowland", "Farrowland", "FAR", {40, 90, 40}, {200, 170, 90}},
        {"Gallinora", "Gallinora", "GAL", {250, 210, 0}, {0, 80, 40}},
        {"Harrowmere", "Harrowmere", "HAR", {110, 20, 60}, {220, 190, 120}},
        {"Istrelle", "Istrelle", "IST", {60, 160, 200}, {250, 250, 250}},
        {"Juniper Coast", "Juniper", "JUN", {20, 140, 130}, {240, 110, 60}},
        {"Karstenvale", "Karstenvale", "KAR", {70, 70, 80}, {210, 40, 40}},
        {"Lumeria", "Lumeria", "LUM", {240, 240, 235}, {30, 60, 150}},
        {"Marrowick", "Marrowick", "MAR", {130, 80, 30}, {240, 230, 200}},
        {"Nordavia", "Nordavia", "NOR", {20, 40, 90}, {200, 40, 50}},
        {"Ostrel Islands", "Ostrel", "OST", {0, 150, 70}, {250, 250, 250}},
        {"Pellucia", "Pellucia", "PEL", {170, 30, 120}, {250, 200, 220}},
    };
    return kTeams;
}

std::string NameGenerator::GivenNames()
{
    const int count = m_rng.Chance(70) ? 1 : (m_rng.Chance(80) ? 2 : 3);
    std::string names;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            names += ' ';
        names += m_rng.Pick(kGivenNames);
    }
    return names;
}

std::string NameGenerator::FamilyName()
{
    std::string name;
    if (m_rng.Chance(4))
        name = m_rng.Pick(kFamilyPrefixes);
    name += m_rng.Pick(kFamilyStarts);
    name += m_rng.Pick(kFamilyEnds);
    if (m_rng.Chance(3))
        name += "-" + m_rng.Pick(kFamilyStarts) + m_rng.Pick(kFamilyEnds);
    return name;
}

std::string NameGenerator::VenueName()
{
    return m_rng.Pick(kFamilyStarts) + m_rng.Pick(kFamilyEnds) + " " + m_rng.Pick(kVenueWords);
}

} // namespace testgame
