#pragma once

// What the three generator pages have in common: the picture choices of their "Website Button" box
// and the labels of their "Return URLs" box.
//
// Each page makes its controls in tab order within each parent, labels and pictures first: where two
// controls overlap, the later one lies on top, and labels and pictures beneath all.

#include "generate/ButtonCommon.h"
#include "ui/Controls.h"

#include <QLabel>
#include <QRadioButton>
#include <array>
#include <span>

namespace corvane::ui {

// One picture choice: its radio button and, for a stock picture, the picture beside it.
struct PictureChoiceLayout {
    const char* radio;
    QPoint radioAt;
    const char* image; // none for the merchant's own picture
    QPoint imageAt;
};

QString PictureChoiceHeading();
QString OwnPictureCaption();

// Makes the pictures and radio buttons of a "Website Button" box, the pictures from the kind's picture
// table, and returns the radio buttons by picture number (index 0 is picture 1).
std::vector<QRadioButton*> AddPictureChoicesImpl(QWidget* box, const PictureTable& pictures,
                                                 std::span<const PictureChoiceLayout> layout);

template <std::size_t N>
std::array<QRadioButton*, N> AddPictureChoices(QWidget* box, const PictureTable& pictures,
                                               const std::array<PictureChoiceLayout, N>& layout) {
    const std::vector<QRadioButton*> buttons = AddPictureChoicesImpl(box, pictures, layout);
    std::array<QRadioButton*, N> byNumber{};
    std::copy(buttons.begin(), buttons.end(), byNumber.begin());
    return byNumber;
}

// The number of the first ticked picture button, counting from 1; 0 when none is ticked.
int CheckedChoice(std::span<QRadioButton* const> buttons);
// Ticks picture `choice`; a number outside the buttons leaves the choice as it is.
void CheckChoice(std::span<QRadioButton* const> buttons, int choice);

// The three labels of a "Return URLs" box.
void AddReturnUrlLabels(QWidget* box, const char* explanation, const char* success, const char* cancelled);

} // namespace corvane::ui
