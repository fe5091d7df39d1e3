// Base of the add-room and edit-room dialogs: the room boxes with their captions, the checks a
// save makes, the room's values as the insert and the update bind them, and the word lists.
#pragma once
#include <QDialog>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class Statement;

class RoomDialog : public QDialog
{
    Q_OBJECT
public:
    explicit RoomDialog(const QString &title, QWidget *parent = nullptr);

    // Replaces the six word lists from the vocabulary table; the boxes keep their texts.
    void fillVocabularies();
    // Copies a room row's fields as text into the boxes (a null row empties them).
    void copyRoom(const Statement &room);

protected:
    // The checks and tidying before a save: the required boxes (each refusal shows its message,
    // puts the focus there and returns false), empty number boxes set to "0", room number and
    // name trimmed.
    bool checkBoxes();
    // Converts the number boxes and binds every column the two dialogs write, fjbh included.
    // A box that is no number throws ConversionError before anything is bound.
    void bindRoom(Statement &q) const;
    // Stores each box's word under its category unless it is there already.
    void learnVocabularies() const;
    // Empties every box; the letting type only when keepLetting is false.
    void clearBoxes(bool keepLetting);

    QPushButton *addButton(const QString &caption, const char *name);
    void addHint(const QString &text);

    QLineEdit *Edit1;      // 房间编号
    QComboBox *ComboBox7;  // 房间名称
    QComboBox *ComboBox1;  // 房间类型
    QLineEdit *Edit3;      // 房间面积
    QComboBox *ComboBox2;  // 装修状况
    QComboBox *ComboBox3;  // 房间设施
    QComboBox *ComboBox6;  // 房间用途
    QLineEdit *Edit5;      // 租期到提前报警天数
    QLineEdit *Edit6;      // 日租价格
    QLineEdit *Edit7;      // 月租价格
    QLineEdit *Edit8;      // 电表度数, hidden
    QLineEdit *Edit9;      // 水表度数, hidden
    QComboBox *ComboBox4;  // 是否按月出租
    QComboBox *ComboBox5;  // 房间备注

private:
    QLineEdit *numberBox(const char *name);
    QComboBox *wordBox(const char *name);
    void buildForm(QGridLayout *form);
    // The vocabulary box of each category, in the order of RoomVocabulary::categories().
    QList<QComboBox *> vocabularyBoxes() const;
    QList<QLineEdit *> numberBoxes() const;

    QVBoxLayout *m_hints;
    QHBoxLayout *m_buttons;
};
