#pragma once

#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

// Values made from a statement's text, kept by that text from its second use
// on: most texts the system builds carry their values and never come back
// (an INSERT), and keeping those costs more than making them. When it is
// full the least recently used half goes.
template <typename Valor>
class CachePorTexto {
public:
    struct Obtenido {
        Valor& valor;
        bool nuevo;  // made by this call
    };

    explicit CachePorTexto(size_t maximo) : maximo_(maximo) {}

    // The value for the text, made by haz(kept) when there is none; valid
    // until the next call.
    template <typename Haz>
    Obtenido obtiene(const QString& texto, Haz&& haz)
    {
        const Clave clave(texto);
        if (const auto it = entradas_.find(clave); it != entradas_.end()) {
            it->second.uso = ++reloj_;
            return {it->second.valor, false};
        }
        const bool guarda = anotaUso(clave);
        Valor valor = haz(guarda);
        if (!guarda)
            return {unaVez_.emplace(std::move(valor)), true};
        if (entradas_.size() >= maximo_)
            poda();
        return {entradas_.insert_or_assign(clave, Entrada{std::move(valor), ++reloj_}).first->second.valor, true};
    }

    // Notes a use of the text whose value is made elsewhere: true from its
    // second use on, when a value made for it is worth keeping.
    bool anota(const QString& texto) { return anotaUso(Clave(texto)); }

    // The value kept for the text, taken out of the cache.
    std::optional<Valor> quita(const QString& texto)
    {
        const auto it = entradas_.find(Clave(texto));
        if (it == entradas_.end())
            return std::nullopt;
        std::optional<Valor> valor(std::move(it->second.valor));
        entradas_.erase(it);
        return valor;
    }

    // Keeps the value for the text, unless one is kept already.
    void pon(const QString& texto, Valor valor)
    {
        if (entradas_.size() >= maximo_)
            poda();
        entradas_.try_emplace(Clave(texto), Entrada{std::move(valor), ++reloj_});
    }

    void vacia()
    {
        entradas_.clear();
        unaVez_.reset();
    }

private:
    // A text with its hash, worked out once: hashing a long statement costs
    // more than finding it.
    struct Clave {
        explicit Clave(const QString& t)
            : texto(t), hash(std::hash<std::u16string_view>()(std::u16string_view(QStringView(t).utf16(), t.size())))
        {
        }
        bool operator==(const Clave& otra) const { return hash == otra.hash && texto == otra.texto; }

        QString texto;
        size_t hash;
    };
    struct Dispersion {
        size_t operator()(const Clave& clave) const { return clave.hash; }
    };
    struct Entrada {
        Valor valor;
        std::uint64_t uso;
    };

    bool anotaUso(const Clave& clave)
    {
        size_t& visto = vistos_[clave.hash % vistos_.size()];
        const bool otra = visto == clave.hash;
        visto = clave.hash;
        return otra;
    }

    void poda()
    {
        std::vector<std::uint64_t> usos;
        usos.reserve(entradas_.size());
        for (const auto& [clave, entrada] : entradas_)
            usos.push_back(entrada.uso);
        const auto mitad = usos.begin() + std::ptrdiff_t(usos.size() / 2);
        std::nth_element(usos.begin(), mitad, usos.end());
        const std::uint64_t limite = *mitad;
        std::erase_if(entradas_, [limite](const auto& par) { return par.second.uso <= limite; });
    }

    std::unordered_map<Clave, Entrada, Dispersion> entradas_;
    // The hashes of texts seen once, one per slot.
    std::array<size_t, 512> vistos_{};
    // The value of a text's first use.
    std::optional<Valor> unaVez_;
    size_t maximo_;
    std::uint64_t reloj_ = 0;
};
