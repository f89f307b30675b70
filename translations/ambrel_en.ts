<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FormWindow</name>
    <message numerus="yes">
        <source>%n decimal(s)</source>
        <translation>
            <numerusform>%n decimal</numerusform>
            <numerusform>%n decimals</numerusform>
        </translation>
    </message>
</context>
</TS>
