#pragma once

#include <QString>

// Firebird's command-line tools in the folder the location file names.
class FirebirdTools {
public:
    explicit FirebirdTools(const QString &folder) : m_folder(folder) {}

    QString folder() const { return m_folder; }
    // The folder's isql-fb (Debian's name for it), else its isql; empty when neither is there.
    QString isql() const;
    // Empty when there is none.
    QString gsec() const;

private:
    QString program(const QString &name) const;

    QString m_folder;
};
