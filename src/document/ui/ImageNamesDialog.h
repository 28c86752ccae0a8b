#pragma once

#include <QDialog>

class CharacterCounter;
class IniFile;
class Messages;
class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;
class DataStore;

// The image names dialog, settings section "NamesFm": the short and the long
// description of the open image. Created once; its texts, position and the
// two length limits are read when it is created. The limits hold while the
// user types; names read from a file may be longer and are shown whole.
//
// Names are bytes in files, shown as Windows-1252 text; OK refuses a
// character that has no byte there, naming it, and leaves the dialog open.
class ImageNamesDialog : public QDialog {
    Q_OBJECT

public:
    static inline const QString SettingsSection = QStringLiteral("NamesFm");

    static constexpr int DefaultShortNameLength = 10;
    static constexpr int DefaultLongNameLength = 26;

    ImageNamesDialog(const IniFile* settings, const Messages& messages, QWidget* parent = nullptr);

    // Shows data's names; OK copies the edited names back. True on OK.
    bool execute(Prompter& prompter, DataStore& data);
    // Before a save: when a name is missing, asks whether to define the names
    // now and shows the dialog on Yes. False when the user declined or
    // cancelled (the save then ends); OK goes on even with a name still empty.
    bool confirmNames(Prompter& prompter, DataStore& data);

    int shortNameLength() const { return shortNameLength_; }
    int longNameLength() const { return longNameLength_; }

    void accept() override;
    // Puts the names shown at opening back, then closes.
    void reject() override;

private:
    void readSettings(const IniFile* settings);
    void writePosition() const;
    void cutToLimit(QLineEdit* edit, int limit);
    bool refusesForeignCharacters(QLineEdit* edit);

    const Messages& messages_;
    QLabel* shortNameLabel_;
    QLabel* longNameLabel_;
    QLineEdit* shortNameEdit_;
    QLineEdit* longNameEdit_;
    CharacterCounter* shortNameCounter_;
    CharacterCounter* longNameCounter_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QString shownShortName_;
    QString shownLongName_;
    int shortNameLength_ = DefaultShortNameLength;
    int longNameLength_ = DefaultLongNameLength;
    QString foreignCharacterError_;
    Prompter* prompter_ = nullptr;
};
