/* Compiled as C: the interface header must stay plain C for every caller. */
#include "orvmat/orvmat.h"

/* Reads the first text of a table's first row; used by the tests to call through C code.
 * Answers 1 on success, 0 on failure (the library's own opens and reads answer 0 on success). */
int orvmat_first_text_from_c(const char* tableName, const char** out) {
    OrvMatTable table = 0;
    OrvMatPos pos;
    OrvMatId row;
    if (OrvMat_OpenTable(&table, 0, tableName) != 0)
        return 0;
    pos = OrvMat_FirstRowPos(table);
    row = OrvMat_NextRow(table, &pos);
    return row != 0 && OrvMat_ReadText(out, table, row, 0, 0) == 0;
}
