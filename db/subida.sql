-- The upload database: the requests whose scanned image goes to the share.
-- SCAN turns true once the request's JPEG is there.
CREATE TABLE SOLICITUDES (
    NRO_REFERENCIA INTEGER NOT NULL PRIMARY KEY,
    DESCRIPCION    TEXT COLLATE SQLSRV,
    SCAN           INTEGER NOT NULL DEFAULT 0
);

INSERT INTO SOLICITUDES (NRO_REFERENCIA, DESCRIPCION, SCAN) VALUES
    (100, 'Alta de cliente', 0),
    (101, 'Reclamo de garantia', 0),
    (102, 'Pedido de presupuesto', 1),
    (12345, 'Baja de servicio', 0);
