# The sources and headers (the headers for moc) of src/ui, part of vitalis_gui: a new file is added here.
set(VITALIS_UI_SOURCES
    ui/ApplicationStyle.cpp
    ui/ApplicationStyle.h
    ui/UserMessages.cpp
    ui/UserMessages.h
)
