#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

class QWidget;

// How a design dresses its controls: fonts in points with their fractions (9.75, 13.5),
// which a .ui file cannot hold, and colours as 0x00BBGGRR values.
namespace forms {

QFont designFont(const QString& family, double points, bool bold = false, bool underline = false);

struct FontSpec
{
    const char* family = nullptr; // null: the control keeps its font
    double points = 0;
    bool bold = false;
    bool underline = false;
};

// One control of a design, found by its object name.
struct ControlLook
{
    const char* name;
    FontSpec font{};
    std::optional<quint32> back{};
    std::optional<quint32> fore{};
    // The back colour is an editor's or a list's own (its base), not its surroundings'.
    bool editor = false;
};

// Dresses the controls under root; returns the names it found no control for, so that a
// renamed control in a design shows up in a test rather than as a plain-looking window.
QStringList applyLooks(QWidget* root, std::span<const ControlLook> looks);

} // namespace forms
