#include "player/FieldWords.h"

#include <QCoreApplication>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("FieldWords", text);
}

} // namespace

QStringList FormWords(std::string_view key)
{
    if (key == "type")
        return {Tr("Batsman (o)"), Tr("Batsman"), Tr("All-Rounder"), Tr("Bowler")};
    if (key == "bowl_style")
        return {Tr("Off-spin"), Tr("Leg-spin"), Tr("Medium"), Tr("Medium Fast"), Tr("Fast Medium"), Tr("Fast")};
    if (key == "bowl_arm")
        return {Tr("Left Arm"), Tr("Right Arm")};
    if (key == "bats_right")
        return {Tr("Lefthand Bat"), Tr("Righthand Bat")};
    return {};
}
