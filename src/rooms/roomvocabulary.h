// The word lists of the room boxes (type, decoration, facilities, use, remarks, name): filling
// a box from the vocabulary table and learning a word saved with a room.
#pragma once
#include <QString>
#include <QStringList>

class QComboBox;

class RoomVocabulary
{
public:
    // The six categories, in the order the boxes are filled and the words learned.
    static const QStringList &categories();
    // The words of a category in the order the table returns them.
    static QStringList words(const QString &category);
    // Replaces the box's list with the category's words; the text in the box stays as it was.
    static void fill(QComboBox *box, const QString &category);
    // Stores the word under its category unless it is there already (an empty word too).
    static void learn(const QString &category, const QString &word);
};
