# The sources and headers (the headers for moc) of src/case/gui, part of vitalis_gui: a new file is added here.
set(VITALIS_CASE_GUI_SOURCES
    case/gui/CaseCopyDialog.cpp
    case/gui/CaseCopyDialog.h
    case/gui/CaseDeleteDialog.cpp
    case/gui/CaseDeleteDialog.h
    case/gui/CaseListDialog.cpp
    case/gui/CaseListDialog.h
    case/gui/CaseOpenDialog.cpp
    case/gui/CaseOpenDialog.h
    case/gui/MeasurementEditorDialog.cpp
    case/gui/MeasurementEditorDialog.h
    case/gui/RecordingPickerDialog.cpp
    case/gui/RecordingPickerDialog.h
)
