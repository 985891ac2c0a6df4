#pragma once

#include <QString>

#include <vector>

// One error or message the server left after a statement.
struct ErrorDatos {
    long Number = 0;
    long NativeError = 0;
    QString Description;
    QString SQLState;
};

// The connection's error collection: cleared before each execution, holding
// only errors, never informational messages.
class ErroresDatos {
public:
    int Count() const { return int(lista_.size()); }
    // Raises 9 for an index outside the collection.
    const ErrorDatos& Item(int i) const;
    void Clear() { lista_.clear(); }
    void Agrega(const ErrorDatos& e) { lista_.push_back(e); }

private:
    std::vector<ErrorDatos> lista_;
};
