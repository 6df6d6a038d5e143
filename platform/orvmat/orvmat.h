/* OrvMat: the material database. Plain C interface of the shared library "OrvMat".
 *
 * A material database is one SQLite file, attached under a key (its "MMD key"). Inside it:
 *  - identifiers: numbers that are unique in the database; an identifier may carry a key text
 *    (also unique in the database). The same identifier may have a row in several tables, so
 *    one article has its data row, its text row and its parts-list row under one identifier.
 *  - tables: named, nested (a table holds rows and further tables; a table without rows is
 *    a group). Names are opened from the top level (parent 0) or inside a parent; a dotted name
 *    such as "Heizung.Texte" walks down the groups, and a child whose own name contains dots
 *    (such as "Ansatz_Kennlinien.WT_10") is found by that name first.
 *  - rows: one per identifier in a table, visited in the stable order of the source.
 *  - cells: addressed by row, column and value index (both from 0); every value is typed as
 *    text, integer, float or reference (the identifier of a row).
 *
 * Conventions of every function below:
 *  - Opening a table and reading a cell (OrvMat_OpenTable, OrvMat_ReadText, OrvMat_ReadInt,
 *    OrvMat_ReadFloat, OrvMat_ReadRef) answer 0 on success and 1 on failure.
 *  - Every other function answers non-zero on success (1, or the identifier, position or
 *    pointer asked for) and 0 (or a null pointer) on failure: attaching, selecting and
 *    detaching databases, key and identifier look-ups, table names and row counts, visiting
 *    rows, value counts and types, and material lists.
 *  - A failed call leaves every output untouched. A caller that reaches this library through
 *    a lazy loader which answers 0 when the library is missing thus sees the opens and reads
 *    succeed with their outputs untouched and every other call fail; it never sees a
 *    half-filled output.
 *  - Texts are UTF-8. Texts handed out stay valid until their database is detached.
 *  - Database, table and list calls run on one thread (the user-interface thread); nothing
 *    here is guarded by locks.
 *  - Reading never writes: database files are opened read-only.
 *  - OrvMat_LastError() answers a readable reason for the last failure (empty after a
 *    success), for tools and tests; planners see the caller's own messages.
 */
#ifndef ORVMAT_ORVMAT_H
#define ORVMAT_ORVMAT_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ORVMAT_API __attribute__((visibility("default")))

typedef int64_t OrvMatId;    /* row identifier; 0 = none */
typedef int64_t OrvMatTable; /* table handle; 0 = none, or "top level" as a parent */
typedef int64_t OrvMatPos;   /* row position while visiting a table; 0 = no further row */
typedef struct OrvMatList OrvMatList;

/* Types of a cell value, as answered by OrvMat_ValueType. */
enum { ORVMAT_TEXT = 1, ORVMAT_INT = 2, ORVMAT_FLOAT = 3, ORVMAT_REF = 4 };

/* ---- Databases ---------------------------------------------------------------------- */

/* Opens the database file at `path` read-only and attaches it under `key` (keys compare
 * ignoring ASCII case). Attaching a key again with the same path answers 1 and keeps the
 * open database and its handles; with another path the old database is detached first.
 * Does not change the current database. Answers 1, or 0 when the file is missing, is not
 * a material database, or `key` is empty. */
ORVMAT_API int OrvMat_AttachDatabase(const char* key, const char* path);

/* Detaches the database of `key`: its table handles and texts become invalid, and it stops
 * being current. Answers 1, or 0 when no database has that key. */
ORVMAT_API int OrvMat_DetachDatabase(const char* key);

/* Makes the database attached under `key` current; identifiers, keys and top-level tables
 * are looked up in the current database. Answers 1, or 0 (current one unchanged) when no
 * database has that key. */
ORVMAT_API int OrvMat_SelectDatabase(const char* key);

/* Answers the key of the current database, or null when none is current. */
ORVMAT_API const char* OrvMat_CurrentDatabase(void);

/* Answers the reason of the last failed call (empty text after a successful one); never null. */
ORVMAT_API const char* OrvMat_LastError(void);

/* ---- Identifiers and keys (current database) ------------------------------------------ */

/* Answers the identifier that carries `key` (exact case), or 0 when the key is unknown or
 * no database is current. */
ORVMAT_API OrvMatId OrvMat_IdOfKey(const char* key);

/* Answers the key text of identifier `id`, or null when it has none or is unknown. */
ORVMAT_API const char* OrvMat_KeyOfId(OrvMatId id);

/* ---- Tables ---------------------------------------------------------------------------- */

/* Opens the table `name` inside `parent` (0 = top level of the current database) and sets
 * *out to its handle. Opening the same table again answers the same handle. Answers 0, or
 * 1 when the table (or the parent handle) does not exist. */
ORVMAT_API int OrvMat_OpenTable(OrvMatTable* out, OrvMatTable parent, const char* name);

/* Sets *out to the table's own name (the last part of its dotted path). Answers 1 or 0. */
ORVMAT_API int OrvMat_TableName(const char** out, OrvMatTable table);

/* Sets *out to the number of rows of the table. Answers 1 or 0. */
ORVMAT_API int OrvMat_RowCount(int* out, OrvMatTable table);

/* Answers the position of the table's first row, or 0 when it has no rows or is unknown. */
ORVMAT_API OrvMatPos OrvMat_FirstRowPos(OrvMatTable table);

/* Answers the identifier of the row at *pos and advances *pos to the next row (0 after the
 * last row). Answers 0, *pos untouched, when *pos is 0 or not a position of this table.
 * Visiting with FirstRowPos/NextRow yields every row once, always in the same order. */
ORVMAT_API OrvMatId OrvMat_NextRow(OrvMatTable table, OrvMatPos* pos);

/* Answers 1 when the table has a row for `row`, else 0. */
ORVMAT_API int OrvMat_HasRow(OrvMatTable table, OrvMatId row);

/* ---- Cells ------------------------------------------------------------------------------
 * A cell is addressed by table, row identifier, value index and column (both from 0). */

/* Sets *out to the number of values in the cell (0 for an empty cell of an existing row).
 * Answers 1, or 0 when the table or the row does not exist. */
ORVMAT_API int OrvMat_ValueCount(int* out, OrvMatTable table, OrvMatId row, int column);

/* Sets *out to the type of the value (ORVMAT_TEXT, _INT, _FLOAT or _REF). Answers 1, or 0
 * when there is no such value. */
ORVMAT_API int OrvMat_ValueType(int* out, OrvMatTable table, OrvMatId row, int valueIndex, int column);

/* Sets *out to the value as text: a text value as it is, an integer or a float in its
 * decimal form (floats shortest round-trip form). Reference values do not read as text.
 * Answers 0, or 1 when there is no such value or it is a reference. */
ORVMAT_API int OrvMat_ReadText(const char** out, OrvMatTable table, OrvMatId row, int valueIndex, int column);

/* Sets *out to an integer value. Answers 0, or 1 when there is no such value, it is not an
 * integer, or it does not fit into an int. */
ORVMAT_API int OrvMat_ReadInt(int* out, OrvMatTable table, OrvMatId row, int valueIndex, int column);

/* Sets *out to a float value; integer values read as floats too. Answers 0, or 1 when there
 * is no such value or it is a text or a reference. */
ORVMAT_API int OrvMat_ReadFloat(double* out, OrvMatTable table, OrvMatId row, int valueIndex, int column);

/* Sets *out to a reference value (an identifier of the same database). Answers 0, or 1 when
 * there is no such value or it is not a reference. */
ORVMAT_API int OrvMat_ReadRef(OrvMatId* out, OrvMatTable table, OrvMatId row, int valueIndex, int column);

/* ---- Material lists ---------------------------------------------------------------------
 * An ordered list of entries (article identifier, quantity, integer flag), owned by the
 * caller. Identifiers are those of the current database when they are added. */

/* Answers a new empty list, or null when out of memory. */
ORVMAT_API OrvMatList* OrvMat_ListCreate(void);

/* Destroys the list. Answers 1, or 0 for a null list. */
ORVMAT_API int OrvMat_ListDestroy(OrvMatList* list);

/* Removes every entry (the selection source stays). Answers 1, or 0 for a null list. */
ORVMAT_API int OrvMat_ListClear(OrvMatList* list);

/* Appends an entry. Answers 1, or 0 for a null list or an article identifier of 0. */
ORVMAT_API int OrvMat_ListAdd(OrvMatList* list, double quantity, OrvMatId article, int flag);

/* Sets *out to the number of entries. Answers 1, or 0 for a null list. */
ORVMAT_API int OrvMat_ListCount(int* out, const OrvMatList* list);

/* Replaces every entry whose article has a row in `groupTable` (an article set) by the
 * set's articles: value j of the set's row gives quantity (float column 0, 1.0 when it does
 * not read) times the entry's quantity, article (reference column 1) and flag (integer
 * column 2, the entry's flag when it does not read). Sets inside sets are replaced too, up
 * to a depth of 16 (deeper nesting or a set that contains itself fails). Entries that are no
 * set stay as they are, in place. Answers 1, or 0 (list untouched) when the list or the
 * table is unknown or a set nests too deep. */
ORVMAT_API int OrvMat_ListExpand(OrvMatList* list, OrvMatTable groupTable);

/* Answers the position of the first entry, or 0 for an empty or null list. */
ORVMAT_API OrvMatPos OrvMat_ListFirstPos(const OrvMatList* list);

/* Reads the entry at *pos into the three outputs (any of them may be null) and advances
 * *pos (0 after the last entry). Answers 1, or 0 (outputs and *pos untouched) when *pos is
 * not a position of the list. */
ORVMAT_API int OrvMat_ListNext(const OrvMatList* list, OrvMatPos* pos, OrvMatId* article, double* quantity,
                               int* flag);

/* Sets the table whose rows the selection dialog offers. Answers 1, or 0 for a null list or
 * an unknown table. */
ORVMAT_API int OrvMat_ListSetSelectionSource(OrvMatList* list, OrvMatTable table);

/* Shows the modal selection dialog titled `title` over the rows of the selection source: one
 * line per row (key text, text column 0, quantity), quantities prefilled from the list.
 * `reserved1` and `reserved2` must be 0; `editQuantities` non-zero lets the planner type
 * quantities, 0 offers check boxes only (quantity 1). On OK the list holds exactly the
 * picked rows with their quantities (flag 0) and the call answers 1. Answers 0, list
 * untouched, on cancel, without a selection source, or when no widget application runs. */
ORVMAT_API int OrvMat_ListShowSelectionDialog(OrvMatList* list, const char* title, int reserved1,
                                              int reserved2, int editQuantities);

#ifdef __cplusplus
}
#endif

#endif
