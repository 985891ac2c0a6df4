#pragma once

#include "platform/data/MotorDatos.h"

#include <memory>

class EnlaceOdbc;

// The suite's real server through unixODBC: SQL Server (FreeTDS), Oracle, or
// whatever driver a given connection string names. Statements go to the
// server exactly as the system builds them.
class MotorOdbc final : public MotorDatos {
public:
    MotorOdbc(std::shared_ptr<EnlaceOdbc> enlace, QString proveedor);
    ~MotorOdbc() override;

    QString nombre() const override;
    QString proveedor() const override;
    void ejecuta(const QString& sql, long* afectados, ErroresDatos& errores) override;
    // An updatable recordset writes through `errores`, which must outlive
    // this engine (the connection's own collection does).
    std::unique_ptr<Recordset> abre(const QString& sql, bool actualizable, ErroresDatos& errores) override;
    QString literalFecha(const QDateTime& fecha) const override;
    void fijaTiempoEspera(int segundos) override;
    void fijaBaseDefecto(const QString& base) override;
    long fijaAislamiento(long nivel) override;
    QString carpetaServidor() const override;

private:
    bool esSqlServer() const;
    bool esOracle() const;

    std::shared_ptr<EnlaceOdbc> enlace_;
    QString proveedor_;
    QString servidor_;  // the product name the driver reports
};
