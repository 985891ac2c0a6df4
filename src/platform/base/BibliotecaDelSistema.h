#pragma once

#include <QLibrary>
#include <QString>

#include <type_traits>

// A library of the system loaded on first use instead of linked in, so a
// start that never needs it does not map it (nor what it brings), and a
// machine without it still starts. Loaded as if linked in: its symbols
// global, so what it loads in turn binds to its helpers, and kept mapped
// for the rest of the process.
class BibliotecaDelSistema {
public:
    BibliotecaDelSistema(const QString& nombre, int version);

    // Sets `puntero` to the entry point. The first one missing (or the
    // library itself) makes the load incomplete, and its reason is kept.
    template <class Puntero>
    void resuelve(Puntero& puntero, const char* simbolo)
    {
        static_assert(std::is_pointer_v<Puntero>);
        puntero = reinterpret_cast<Puntero>(biblioteca_.resolve(simbolo));
        if (!puntero)
            falta();
    }

    // Null when every entry point was found.
    QString motivo() const { return motivo_; }

private:
    void falta();

    QLibrary biblioteca_;
    QString motivo_;
};

// A table of a library's entry points, loaded once: `nombra(biblioteca,
// funciones)` resolves each of them.
template <class Funciones>
class EntradasDeBiblioteca {
public:
    template <class Nombra>
    EntradasDeBiblioteca(const QString& nombre, int version, Nombra nombra)
    {
        BibliotecaDelSistema biblioteca(nombre, version);
        nombra(biblioteca, funciones_);
        motivo_ = biblioteca.motivo();
    }

    // Null when the library or one of its entry points is missing.
    const Funciones* completas() const { return motivo_.isNull() ? &funciones_ : nullptr; }
    QString motivo() const { return motivo_; }

private:
    Funciones funciones_{};
    QString motivo_;
};
