-- A small material database in the layout the builder writes: a group with two tables, keyed
-- and keyless rows, every value type, a key without a row. scripts/fuzz turns it into a seed.
PRAGMA page_size=512;
CREATE TABLE orvmat_meta(name TEXT PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE idents(id INTEGER PRIMARY KEY, key TEXT UNIQUE);
CREATE TABLE tables(id INTEGER PRIMARY KEY, parent INTEGER NOT NULL, name TEXT NOT NULL, UNIQUE(parent, name));
CREATE TABLE rows(tbl INTEGER NOT NULL, id INTEGER NOT NULL, ord INTEGER NOT NULL, PRIMARY KEY(tbl, id)) WITHOUT ROWID;
CREATE TABLE cells(tbl INTEGER NOT NULL, row INTEGER NOT NULL, col INTEGER NOT NULL, idx INTEGER NOT NULL,
  type INTEGER NOT NULL, value, PRIMARY KEY(tbl, row, col, idx)) WITHOUT ROWID;
INSERT INTO orvmat_meta VALUES('format', 'orvmat-1'), ('key', 'FUZZ_SEED');
INSERT INTO idents VALUES(1, 'PUMP'), (2, 'VALVE'), (3, NULL), (4, 'LONELY');
INSERT INTO tables VALUES(1, 0, 'Heizung'), (2, 1, 'Daten'), (3, 1, 'Texte.DE');
INSERT INTO rows VALUES(2, 1, 0), (2, 2, 1), (2, 3, 2), (3, 1, 0);
INSERT INTO cells VALUES(2, 1, 0, 0, 1, 'Pumpe'), (2, 1, 1, 0, 2, 25), (2, 1, 1, 1, 3, 1.5),
  (2, 1, 2, 0, 4, 2), (2, 2, 0, 0, 1, 'Ventil'), (2, 3, 3, 0, 3, -0.25), (3, 1, 0, 0, 1, 'Umwälzpumpe');
