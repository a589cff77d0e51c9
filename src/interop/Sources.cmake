# The sources of src/interop, part of vitalis_core: a new file is added here.
set(VITALIS_INTEROP_SOURCES
    interop/FhirBundle.cpp
    interop/FhirDateTime.cpp
    interop/FhirExport.cpp
    interop/FhirPatient.cpp
    interop/FhirReadings.cpp
    interop/FhirReport.cpp
    interop/UuidSource.cpp
)
