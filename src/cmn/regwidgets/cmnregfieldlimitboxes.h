#pragma once

#include <QHash>
#include <QString>

#include <array>

class CCmnDataExchange;
class QLineEdit;

// The minimum, maximum and default boxes of a number field type (Integer, Number
// or Percentage) with their checks. A box left empty means "not set". Only what the
// user changed changes: a box whose text still reads as it was loaded keeps the
// stored value (a plain OK neither rounds to the shown decimals nor cuts a value),
// and the boxes of a type other than the field's own keep the stored value and its
// "set" state when their text is not a number, rather than storing 0.
class CCmnRegFieldLimitBoxes
{
public:
    enum EKind { Integer, Number, Percentage };
    enum EBox { Minimum, Maximum, Default };

    CCmnRegFieldLimitBoxes(EKind kind, QLineEdit *minimum, QLineEdit *maximum, QLineEdit *defaultBox);

    // Loading writes each set value into its box with the decimals (a box whose
    // value is not set keeps its text). Saving reads the boxes; for the field's own
    // type (current) a text that is not a number is refused at its box, and then the
    // limits are checked: the first problem is reported at its box and false returned.
    [[nodiscard]] bool Exchange(const CCmnDataExchange *context, std::array<double, 3> &values,
                                std::array<bool, 3> &set, bool current, int decimals, bool spinBox);

    QLineEdit *Box(EBox box) const { return m_Boxes[box]; }

private:
    bool ExchangeBox(const CCmnDataExchange *context, EBox box, double &value, bool &set, bool current,
                     int decimals);
    // The framework's exchange of the box's kind.
    bool ExchangeNumber(const CCmnDataExchange *context, QLineEdit *box, double &value, int decimals) const;
    // The text read as the box's kind without a message; false when it is no number.
    bool ReadQuietly(const QString &text, double &value) const;
    bool Check(const CCmnDataExchange *context, const std::array<double, 3> &values,
               const std::array<bool, 3> &set, bool spinBox) const;

    EKind m_Kind;
    std::array<QLineEdit *, 3> m_Boxes;
    // The text each box showed after its value was loaded.
    QHash<int, QString> m_LoadedTexts;
};
