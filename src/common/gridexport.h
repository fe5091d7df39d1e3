// Export of a result grid to an .xls workbook: header of the visible columns but the first,
// then each row's fields as text, at most 65535 data rows.
#pragma once

class ResultGrid;

// Asks for the file and writes it, with the questions and messages the person expects.
void exportGrid(ResultGrid &grid);
// After a successful export the workbook is opened with the desktop's associated program;
// tests switch that off.
void setOpenExportedFiles(bool open);
